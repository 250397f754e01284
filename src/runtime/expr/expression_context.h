#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <vector>

#include "runtime/core/record_layout.h"

// What an expression may name: record fields by their labels ("FR3:Nform"),
// program values bound under a name ("d1", "FuzzyQuery4") and functions
// beyond the built-in ones. Names are matched ignoring letter case. The
// layouts must outlive the expressions compiled against them.
class ExpressionContext {
public:
    using Getter = std::function<QVariant()>;  // read at every evaluation
    using Function = std::function<QVariant(const QVariantList& arguments)>;

    struct Binding {
        QString name;
        Getter getter;
    };
    struct CustomFunction {
        QString name;
        int argumentCount;
        Function function;
    };

    // At evaluation, the record of the i-th layout added is records[i].
    void addLayout(const RecordLayout& layout) { layouts_.push_back(&layout); }
    // A second binding or function of the same name replaces the first; a
    // function replaces a built-in one of its name.
    void bind(const QString& name, Getter getter);
    void addFunction(const QString& name, int argumentCount, Function function);

    const std::vector<const RecordLayout*>& layouts() const { return layouts_; }
    const Binding* binding(QStringView name) const;
    const CustomFunction* function(QStringView name) const;

private:
    std::vector<const RecordLayout*> layouts_;
    std::vector<Binding> bindings_;
    std::vector<CustomFunction> functions_;
};
