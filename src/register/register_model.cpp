#include "register/register_model.h"

#include "data/forma3.h"
#include "data/shared_values.h"
#include "register/register_expressions.h"
#include "register/register_list_source.h"
#include "register/register_orders.h"
#include "runtime/core/day_date.h"
#include "runtime/ui/browse_table_source.h"

RegisterModel::RegisterModel(WindowContext& context)
    : context_(context), scope_(context, kProcedure) {}

RegisterModel::~RegisterModel() {
    catalog_.reset();  // its connections first
    if (opened_) context_.tables().relate(u"FORMA3").close();
}

bool RegisterModel::open() {
    opened_ = context_.tables().relate(u"FORMA3").open();
    if (opened_) catalog_ = std::make_unique<RegisterCatalog>(certificates(), context_.errors());
    return opened_;
}

TableAccess& RegisterModel::certificates() {
    return context_.tables().access(u"FORMA3");
}

RegisterCatalog& RegisterModel::catalog() {
    return *catalog_;
}

ExpressionContext RegisterModel::expressionContext() {
    return RegisterExpressions::context([this] { return query_; });
}

bool RegisterModel::find() {
    if (query_.trimmed().isEmpty()) return false;
    searched_ = query_;
    order_ = Order::Fuzzy;
    FUZZYMATCHED.set(1);
    return true;
}

void RegisterModel::clear() {
    query_.clear();
    searched_.clear();
    order_ = Order::Number;
    FUZZYMATCHED.set(0);
}

std::optional<ExpressionError> RegisterModel::setFilter(const QString& expression) {
    if (expression.trimmed().isEmpty()) {
        filter_.reset();
        filterText_.clear();
        return std::nullopt;
    }
    auto compiled = Expression::compile(expression, expressionContext());
    if (auto* error = std::get_if<ExpressionError>(&compiled)) return *error;
    filter_ = std::make_shared<const Expression>(std::move(std::get<Expression>(compiled)));
    filterText_ = expression;
    return std::nullopt;
}

std::unique_ptr<BrowseSource> RegisterModel::makeSource() {
    TableAccess& table = certificates();
    if (order_ == Order::Fuzzy) {
        auto makeRows = [this, filter = filter_, query = FuzzyMatcher::PreparedQuery(searched_)] {
            if (!catalog().update(true, filter.get())) return RegisterListSource::Rows{};
            return RegisterOrders::byLikeness(catalog(), query);
        };
        return std::make_unique<RegisterListSource>(table, std::move(makeRows), false);
    }
    if (!filter_) return std::make_unique<BrowseTableSource>(table, FR3::K2);
    auto makeRows = [this, filter = filter_] {
        if (!catalog().update(false, filter.get())) return RegisterListSource::Rows{};
        return RegisterOrders::byNumber(catalog());
    };
    return std::make_unique<RegisterListSource>(table, std::move(makeRows), true);
}

void RegisterModel::rowEvent() {
    RecordBuffer& record = certificates().record();
    nform.set(record.integer(FR3::NFORM));
    KOL_FORM.set(count());
    D1.set(DayDate::today());
    const QString recipient = record.text(FR3::S2);
    qsizetype blanks = 0;
    while (blanks < recipient.size() && recipient[blanks] == u' ')
        ++blanks;
    if (blanks > 0) record.setText(FR3::S2, recipient.mid(blanks));
}

// Counting reads the whole key: only when the table has changed.
qint64 RegisterModel::count() {
    const qint64 version = certificates().dataVersion();
    if (countVersion_ != version) {
        count_ = std::max<qint64>(certificates().count(), 0);
        countVersion_ = version;
    }
    return count_;
}

void RegisterModel::callForm(Request request, const Form& form, FormDone done) {
    context_.setGlobalRequest(request);
    form(context_, [this, request, done = std::move(done)](Response response) {
        std::optional<qint64> highlight;
        if (request != Request::Delete && response == Response::Completed)
            highlight = certificates().position();
        done(highlight);
    });
}
