#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "register/register_catalog.h"
#include "runtime/expr/expression.h"
#include "runtime/ui/browse_source.h"
#include "runtime/ui/window_context.h"

// What the certificate register does, without its window: it opens the
// certificates, keeps the order (number or fuzzy) and the filter, makes the
// list's rows for them, keeps the program-wide values in step with the
// highlighted row and calls the certificate form. The window calls it on
// the user's events; tests drive it directly.
class RegisterModel {
public:
    // The procedure's name in messages and its settings section.
    static inline const QString kProcedure = QStringLiteral("BrowseFormf2");

    enum class Order { Number, Fuzzy };
    // The certificate form: called in the register's context with the
    // request set, it answers through done when it closes.
    using Form = std::function<void(WindowContext&, std::function<void(Response)> done)>;
    // After the form: the certificate to highlight (added or changed), if any.
    using FormDone = std::function<void(std::optional<qint64> highlight)>;

    // Takes over the context's request.
    explicit RegisterModel(WindowContext& context);
    // Closes the certificates; the context gets its caller's name back.
    ~RegisterModel();
    RegisterModel(const RegisterModel&) = delete;
    RegisterModel& operator=(const RegisterModel&) = delete;

    // Opens FORMA3 of the active data folder; false when it cannot be opened
    // (the table layer has said why, for instance that no folder is active).
    bool open();
    TableAccess& certificates();

    // The search text as the entry holds it (FuzzyQuery4).
    const QString& query() const { return query_; }
    void setQuery(const QString& text) { query_ = text; }
    // [Найти]: a search text switches to the fuzzy order by it; a blank one
    // changes nothing. True when the list must be filled anew.
    bool find();
    // [Очистить]: number order and a blank search text.
    void clear();
    Order order() const { return order_; }
    // The search the fuzzy order follows.
    const QString& searchedFor() const { return searched_; }

    // The filter that restricts either order; blank removes it. The error,
    // with its position, when the expression is wrong: the filter stays.
    std::optional<ExpressionError> setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }

    // The rows of the current order under the current filter.
    std::unique_ptr<BrowseSource> makeSource();

    // After every event of the list: nform, KOL_FORM and D1 follow the
    // highlighted certificate, whose recipient loses its leading blanks.
    void rowEvent();
    // The number of certificates in the table, whatever the order or filter.
    qint64 count();

    // Calls the form for insert, change or delete of the highlighted
    // certificate (in the buffer), then done.
    void callForm(Request request, const Form& form, FormDone done);

private:
    ExpressionContext expressionContext();
    RegisterCatalog& catalog();

    WindowContext& context_;
    ProcedureScope scope_;
    bool opened_ = false;
    std::unique_ptr<RegisterCatalog> catalog_;
    Order order_ = Order::Number;
    QString query_;
    QString searched_;
    QString filterText_;
    std::shared_ptr<const Expression> filter_;
    std::optional<qint64> countVersion_;
    qint64 count_ = 0;
};
