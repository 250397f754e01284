#include "print/browse_nastr_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

#include "data/last.h"
#include "print/browse_nastr_layout.h"
#include "print/update_nastr.h"
#include "runtime/ui/browse_table_source.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/help.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/wallpaper.h"
#include "runtime/ui/window_host.h"

namespace {

const QString kHelpTopic = QStringLiteral("Точная настройка печати.htm");

// The "i" is a book face; any serif stands in for it.
void useSerif(QWidget* control) {
    QFont font = control->font();
    font.setStyleHint(QFont::Serif);
    control->setFont(font);
}

}  // namespace

BrowseNastrWindow::BrowseNastrWindow(std::unique_ptr<WindowContext> context)
    : context_(std::move(context)) {
    setWindowTitle(QStringLiteral("Содержание настройки"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/Sch-ord.ico")));
    setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    setWallpaper(this, QStringLiteral(":/pictures/fon_nnn.jpg"));
    context_->setWindow(this);
    TableRelation& profiles = context_->tables().relate(u"LAST");
    opened_ = profiles.open();
    controls_ = buildControls(BrowseNastrLayout::controls(), this);
    useSerif(controls_->control(QStringLiteral("?Help")));

    list_ = new BrowseList(profiles.access(), this);
    list_->setColumns(BrowseNastrLayout::columns());
    list_->setRowHeight(BrowseNastrLayout::kRowHeight);
    list_->setToolTip(QStringLiteral("Просмотр и редактирования настройки печати"));
    list_->setGeometry(controls_->units().rect(BrowseNastrLayout::kList));
    list_->setRecordButtons(nullptr, controls_->control<QPushButton>(QStringLiteral("?Change")),
                            nullptr);
    connect(list_, &BrowseList::changeRequested, this, &BrowseNastrWindow::callForm);
    list_->view()->installEventFilter(this);
    connect(list_, &BrowseList::helpRequested, this, [] { Help::show(kHelpTopic); });
    connect(controls_->control<QPushButton>(QStringLiteral("?Help")), &QPushButton::clicked, this,
            [] { Help::show(kHelpTopic); });
    if (opened_) list_->setSource(std::make_unique<BrowseTableSource>(profiles.access(), LAS::K1));
    setFocusProxy(list_);
    Help::setCurrentTopic(kHelpTopic);
}

BrowseNastrWindow::~BrowseNastrWindow() {
    // Gone without closing (the frame torn down): the form that works in
    // this window's context, and the list that reads through its tables,
    // go first.
    if (QWidget* form = openForm()) {
        QWidget* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        delete (sub ? sub : form);
    }
    delete list_;
    if (opened_) context_->tables().relate(u"LAST").close();
}

QWidget* BrowseNastrWindow::openForm() const {
    QWidget* form = context_->window();
    return waiting_ && form && form != this ? form : nullptr;
}

void BrowseNastrWindow::callForm() {
    if (waiting_ || !opened_) return;
    waiting_ = true;
    setEnabled(false);
    context_->setGlobalRequest(Request::Change);
    QPointer<BrowseNastrWindow> self(this);
    UpdateNastr(*context_, [self](Response) {
        if (self) self->formDone();
    });
}

void BrowseNastrWindow::formDone() {
    waiting_ = false;
    setEnabled(true);
    if (!isVisible()) return;  // closed right after its form
    list_->refresh();
    WindowHost::instance().activate(this);
    list_->setFocus();
}

bool BrowseNastrWindow::toolbarAction(ToolbarAction action) {
    if (waiting_) return false;
    if (action == ToolbarAction::Help) {
        Help::show(kHelpTopic);
        return true;
    }
    return list_->toolbarAction(action);
}

// Enter changes the highlighted profile; the list would take it as a
// character for its locator.
bool BrowseNastrWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->view() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            list_->changeRecord();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The form works in this window's context: it closes first.
void BrowseNastrWindow::closeEvent(QCloseEvent* event) {
    if (QWidget* form = openForm()) {
        event->ignore();
        WindowHost::instance().activate(form);
        return;
    }
    QWidget::closeEvent(event);
}
