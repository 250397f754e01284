#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

#include "runtime/core/picture.h"
#include "runtime/core/record_buffer.h"
#include "runtime/ui/control_set.h"

// Ties a window's entries, check boxes, combo boxes and spin boxes to the
// fields of a record (controls whose `use` names a field) or to program
// values. A control's value is taken into the record when the user leaves
// it, a spin box's as it changes; input the record cannot hold is refused at
// the control with a message beside it, and the record keeps its value; typing
// past an entry's length is answered there too. A decimal spin box shows as
// many decimals as its field keeps; a spin box whose stored value lies beyond
// its range leaves that value alone until the user changes the box.
class FormBinding : public QObject {
    Q_OBJECT

public:
    using Getter = std::function<QVariant()>;
    using Setter = std::function<void(const QVariant&)>;

    // Binds every control of the set whose `use` names a field of the record.
    // The binding belongs to the window; the record must outlive it.
    FormBinding(ControlSet& controls, RecordBuffer& record);

    // Binds a control to a program value ("VS_SIM", "AX").
    void bindValue(const QString& label, Getter get, Setter set);

    RecordBuffer& record() { return record_; }
    // The bound labels in table order.
    QStringList labels() const;
    bool isBound(const QString& label) const { return find(label) != nullptr; }
    // The label of a bound control, or of the control a focused widget is
    // part of; empty when it is not bound.
    QString labelOf(QWidget* widget) const;
    // The record field of a control; -1 for a program value or no binding.
    int fieldOf(const QString& label) const;

    // Shows the values of the record and the program values.
    void load();
    void load(const QString& label);

    // Takes one control's value in; false when it is refused.
    bool accept(const QString& label);
    // Takes every control's value in, in table order; stops at the first
    // refused control, gives it the focus and returns its label (empty when
    // all were taken).
    QString acceptAll();

    // The record as it would be with every control taken in; nothing when
    // some control holds input the record cannot take.
    std::optional<RecordBuffer> pending() const;

    // Puts the field's value from another record of the layout (the history
    // record) into the record and the control; false for a control without a
    // field.
    bool recall(const QString& label, const RecordBuffer& from);

signals:
    // After a control's value was taken into the record or program value.
    void accepted(const QString& label);
    // After a control got back a value from another record.
    void recalled(const QString& label);

private:
    struct Binding {
        QString label;
        QWidget* control;
        int field = -1;
        Getter get;
        Setter set;
        std::optional<Picture> picture;
        qsizetype order = 0;  // place in the control table
    };

    const Binding* find(const QString& label) const;
    void attach(Binding binding);
    void prepareControl(const Binding& binding);
    std::optional<QString> controlText(const Binding& binding) const;
    void showValue(const Binding& binding, const QVariant& value);
    bool takeValue(const Binding& binding);

    ControlSet& controls_;
    RecordBuffer& record_;
    std::vector<Binding> bindings_;
};
