#include "data/selection_form_window.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "data/selection_controls.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/help.h"
#include "runtime/ui/input_notice.h"
#include "runtime/ui/procedure_window.h"

SelectionFormWindow::SelectionFormWindow(WindowContext& context,
                                         std::unique_ptr<ProcedureScope> scope,
                                         std::unique_ptr<RecordForm> form,
                                         const SelectionFormLook& look,
                                         std::function<void(Response)> done)
    : context_(context), scope_(std::move(scope)), form_(std::move(form)), done_(std::move(done)) {
    setWindowTitle(look.title);
    setWindowIcon(QIcon(QStringLiteral(":/icons/adr1.ico")));
    setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    controls_ = buildControls(*look.controls, this);
    binding_ = new FormBinding(*controls_, form_->record());
    binding_->load();
    QWidget* first = controls_->control(look.firstField);
    guard_ = new ChangeGuard(this, *binding_, first);
    history_ = new HistoryKey(this, *binding_, context.history(), form_->kind());
    auto* ok = controls_->control<QPushButton>(QStringLiteral("?OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SelectionFormWindow::save);
    connect(controls_->control<QPushButton>(QStringLiteral("?Cancel")), &QPushButton::clicked, this,
            &QWidget::close);
    context.setWindow(this);
    setFocusProxy(first);
}

// Gone without closing: a new record's reserved number is given back, and a
// question still open goes unanswered, as there is no form left to answer.
SelectionFormWindow::~SelectionFormWindow() {
    if (finished_) return;
    form_->cancel();
    if (QMessageBox* question = guard_->question()) {
        question->disconnect();
        question->close();
    }
}

bool SelectionFormWindow::toolbarAction(ToolbarAction action) {
    switch (action) {
        case ToolbarAction::History:
            return history_->recallFocused();
        case ToolbarAction::Help:
            Help::show(SelectionControls::kHelpTopic);
            return true;
        default:
            return false;
    }
}

void SelectionFormWindow::save() {
    if (!binding_->acceptAll().isEmpty()) return;
    if (!form_->save()) return showRefusal();
    saved_ = true;
    guard_->release();
    close();
}

void SelectionFormWindow::showRefusal() {
    if (form_->refusal().isEmpty()) return;  // a table error, already shown
    for (const QString& label : binding_->labels()) {
        if (binding_->fieldOf(label) != form_->refusedField()) continue;
        QWidget* control = controls_->control(label);
        InputNotice::show(control, form_->refusal(), true);
        control->setFocus();
    }
}

void SelectionFormWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return save();
        case Qt::Key_Escape:
            close();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

// Reached only once the change guard lets the form go.
void SelectionFormWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (finished_) return;
    finished_ = true;
    if (!saved_) form_->cancel();
    const Response response = saved_ ? Response::Completed : Response::Cancelled;
    const std::vector<ErrorMessage> notices = form_->notices();
    form_.reset();
    scope_.reset();
    for (const ErrorMessage& notice : notices)
        context_.errors().show(notice);
    context_.setGlobalResponse(response);
    // After the guard has put the record back, and after this window is gone
    // from the frame, so the list finds its own window active again.
    QTimer::singleShot(0, [done = std::move(done_), response] { done(response); });
}
