#include "register/browse_formf2_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "data/shared_values.h"
#include "print/print_procedures.h"
#include "register/browse_formf2_layout.h"
#include "reports/rep_input11.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/help.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/wallpaper.h"
#include "runtime/ui/window_host.h"

namespace {

const QString kHelpTopic = QStringLiteral("Краткое описание.htm");
const QString kQuerySection = QStringLiteral("QBE2");

}  // namespace

BrowseFormf2Window::BrowseFormf2Window(std::unique_ptr<WindowContext> context,
                                       std::unique_ptr<RegisterModel> model,
                                       RegisterModel::Form form)
    : context_(std::move(context)), model_(std::move(model)), form_(std::move(form)) {
    setWindowTitle(QStringLiteral("Форма №2"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vetdocs.png")));
    setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    setWallpaper(this, QStringLiteral(":/pictures/fon_nnn.jpg"));
    context_->setWindow(this);
    controls_ = buildControls(BrowseFormf2Layout::controls(), this);
    binding_ = new FormBinding(*controls_, model_->certificates().record());
    bindValues();
    buildList();
    connectButtons();
    setFocusProxy(list_);
    Help::setCurrentTopic(kHelpTopic);
    refill();
}

BrowseFormf2Window::~BrowseFormf2Window() {
    if (query_) query_->close();
    // The list and the binding work on the context's buffer: they go first.
    delete list_;
    delete binding_;
}

void BrowseFormf2Window::buildList() {
    using namespace BrowseFormf2Layout;
    list_ = new BrowseList(model_->certificates(), this);
    list_->setColumns(columns());
    list_->setRowHeight(kRowHeight);
    list_->setSelectionColor(kSelection);
    list_->setRowColoring([](int row, const RecordBuffer&) {
        return BrowseRowColors{row % 2 == 0 ? kOddRowFill : QColor(), {}};
    });
    list_->setToolTip(listTooltip());
    ControlStyle::setStatusText(list_->view(), listStatusText());  // the view holds the focus
    list_->setGeometry(controls_->units().rect(kList));
    list_->show();
    list_->setRecordButtons(controls_->control<QPushButton>(QStringLiteral("?INSERT:3")),
                            controls_->control<QPushButton>(QStringLiteral("?CHANGE:3")),
                            controls_->control<QPushButton>(QStringLiteral("?DELETE:3")));
    connect(list_, &BrowseList::listEvent, this, &BrowseFormf2Window::listMoved);
    connect(list_, &BrowseList::insertRequested, this, [this] { callForm(Request::Insert); });
    connect(list_, &BrowseList::changeRequested, this, [this] { callForm(Request::Change); });
    connect(list_, &BrowseList::deleteRequested, this, [this] { callForm(Request::Delete); });
    connect(list_, &BrowseList::helpRequested, this, [] { Help::show(kHelpTopic); });
}

void BrowseFormf2Window::bindValues() {
    const auto none = [](const QVariant&) {};
    binding_->bindValue(
        QStringLiteral("?KOL_FORM"), [] { return QVariant(KOL_FORM.get()); }, none);
    binding_->bindValue(
        QStringLiteral("?D1"), [] { return QVariant(qint64(D1.get())); }, none);
    binding_->bindValue(
        QStringLiteral("?FUZZYQUERY"), [this] { return QVariant(model_->query()); },
        [this](const QVariant& value) { model_->setQuery(value.toString()); });
}

void BrowseFormf2Window::connectButtons() {
    const auto clicked = [this](const char* label, void (BrowseFormf2Window::*slot)()) {
        connect(controls_->control<QPushButton>(QLatin1String(label)), &QPushButton::clicked, this,
                slot);
    };
    clicked("?FUZZYGO", &BrowseFormf2Window::find);
    clicked("?FUZZYCLEAR", &BrowseFormf2Window::clearSearch);
    clicked("?QUERY", &BrowseFormf2Window::openQuery);
    clicked("?BUTTON10", &BrowseFormf2Window::report);
    connect(controls_->control<QPushButton>(QStringLiteral("?BUTTON11")), &QPushButton::clicked,
            this, [] { Help::show(kHelpTopic); });
    connect(controls_->control<QLineEdit>(QStringLiteral("?FUZZYQUERY")), &QLineEdit::returnPressed,
            this, &BrowseFormf2Window::find);
    connectPrint(QStringLiteral("?BUTTON7"), Print_F2);
    connectPrint(QStringLiteral("?BUTTON8"), Print_F23);
    connectPrint(QStringLiteral("?BUTTON9"), Print_F22);
}

// A print takes nform, the number of the highlighted certificate, as it starts.
void BrowseFormf2Window::connectPrint(const QString& label, void (*procedure)()) {
    connect(controls_->control<QPushButton>(label), &QPushButton::clicked, this, [this, procedure] {
        binding_->acceptAll();
        procedure();
        showRow();
    });
}

void BrowseFormf2Window::report() {
    binding_->acceptAll();
    GLO_REPORTQUERYRESULT.set(model_->filter());
    Rep_input11(model_->filter());
    showRow();
}

void BrowseFormf2Window::listMoved() {
    model_->rowEvent();
    showRow();
}

// The search entry is left alone: the user may be typing in it.
void BrowseFormf2Window::showRow() {
    for (const char* label : {"?FR3:S2", "?FR3:S14", "?KOL_FORM", "?D1"})
        binding_->load(QLatin1String(label));
}

void BrowseFormf2Window::refill() {
    list_->setSource(model_->makeSource());
}

void BrowseFormf2Window::find() {
    binding_->accept(QStringLiteral("?FUZZYQUERY"));
    if (model_->find()) refill();
}

void BrowseFormf2Window::clearSearch() {
    model_->clear();
    binding_->load(QStringLiteral("?FUZZYQUERY"));
    refill();
}

void BrowseFormf2Window::openQuery() {
    if (query_) return WindowHost::instance().activate(query_);
    query_ = new QbeDialog(QbeSavedQueries());
    query_->setConditions(conditions_);
    connect(query_, &QbeDialog::filterChosen, this, &BrowseFormf2Window::setFilter);
    WindowHost::instance().open(query_, kQuerySection, query_->sizeHint());
}

void BrowseFormf2Window::setFilter(const QString& expression,
                                   const std::vector<QbeCondition>& conditions) {
    if (const auto error = model_->setFilter(expression)) {
        context_->errors().show({Severity::Notice, QStringLiteral("Фильтр"), error->message});
        return;
    }
    conditions_ = conditions;
    const qint64 highlighted = list_->currentRow() ? list_->currentRow()->position : 0;
    refill();
    if (highlighted != 0) list_->refreshAt(highlighted);
}

void BrowseFormf2Window::callForm(Request request) {
    if (waiting_) return;
    binding_->acceptAll();
    waiting_ = true;
    setEnabled(false);
    QPointer<BrowseFormf2Window> self(this);
    model_->callForm(request, form_, [self](std::optional<qint64> highlight) {
        if (self) self->formDone(highlight);
    });
}

void BrowseFormf2Window::formDone(std::optional<qint64> highlight) {
    waiting_ = false;
    setEnabled(true);
    if (highlight)
        list_->refreshAt(*highlight);
    else
        list_->refresh();
    list_->setFocus();
}

void BrowseFormf2Window::closeEvent(QCloseEvent* event) {
    if (waiting_) {
        event->ignore();  // the form works on this window's record
        return;
    }
    if (query_) query_->close();
    QWidget::closeEvent(event);
}
