#include "print/update_nastr_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>

#include "data/last.h"
#include "print/update_nastr_boxes.h"
#include "print/update_nastr_check.h"
#include "print/update_nastr_layout.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/focus_highlight.h"
#include "runtime/ui/help.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/wallpaper.h"

namespace {

const QString kHelpTopic = QStringLiteral("Точная настройка печати.htm");
const QString kTypeface = QStringLiteral("?LAS:TYPEFACE");
const QString kFontSize = QStringLiteral("?LAS:FONTSIZE");

}  // namespace

UpdateNastrWindow::UpdateNastrWindow(WindowContext& context, std::unique_ptr<ProcedureScope> scope,
                                     std::unique_ptr<ProfileForm> form,
                                     std::function<void(Response)> done)
    : context_(context), scope_(std::move(scope)), form_(std::move(form)), done_(std::move(done)) {
    setWindowTitle(QStringLiteral("Изменить настройку"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/Sch-ord.ico")));
    setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    setWallpaper(this, QStringLiteral(":/pictures/fon_nnn.jpg"));
    controls_ = buildControls(UpdateNastrLayout::controls(), this);
    addPositionBoxes(*controls_, UpdateNastrLayout::positions());
    binding_ = new FormBinding(*controls_, form_->record());
    binding_->load();
    historyKey_ = new HistoryKey(this, *binding_, context.history(), ProfileForm::kProcedure);
    FocusHighlight::keepFont(controls_->control(kTypeface));
    showFont();
    QWidget* first = controls_->control(QStringLiteral("?LAS:NAME"));
    guard_ = new ChangeGuard(this, *binding_, first);
    connectEvents();
    context.setWindow(this);
    setFocusProxy(first);
}

// Gone without closing: a question still open goes unanswered, as there is
// no form left to answer.
UpdateNastrWindow::~UpdateNastrWindow() {
    if (finished_) return;
    if (QMessageBox* question = guard_->question()) {
        question->disconnect();
        question->close();
    }
}

void UpdateNastrWindow::connectEvents() {
    const auto onClick = [this](const char* label, auto slot) {
        connect(controls_->control<QPushButton>(QLatin1String(label)), &QPushButton::clicked, this,
                slot);
    };
    onClick("?OK", &UpdateNastrWindow::save);
    onClick("?Cancel", &QWidget::close);
    onClick("?Font", &UpdateNastrWindow::chooseFont);
    onClick("?Check", &UpdateNastrWindow::checkPrint);
    const auto sizeChanged = [this](const QString& label) {
        if (label == kFontSize) showFont();
    };
    connect(binding_, &FormBinding::accepted, this, sizeChanged);
    connect(binding_, &FormBinding::recalled, this, sizeChanged);
    connect(controls_->control<QSpinBox>(kFontSize), &QSpinBox::editingFinished, this,
            &UpdateNastrWindow::showFont);
    // Leaving the sample puts back the font it had when it got the focus:
    // show the profile's font again once the highlight is done.
    connect(
        qApp, &QApplication::focusChanged, this,
        [this](QWidget* old, QWidget*) {
            if (old == controls_->control(kTypeface)) drawSample();
        },
        Qt::QueuedConnection);
    auto* printKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    printKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(printKey, &QShortcut::activated, this, &UpdateNastrWindow::checkPrint);
}

// The caption names the print font and the typeface entry shows it.
void UpdateNastrWindow::showFont() {
    if (!form_) return;  // the size box left as the window closes
    controls_->control<QGroupBox>(QStringLiteral("?FontGroup"))->setTitle(form_->fontCaption());
    sample_ = form_->printFont();
    drawSample();
}

void UpdateNastrWindow::drawSample() {
    QWidget* sample = controls_->control(kTypeface);
    QFont font = toQFont(sample_);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    sample->setFont(font);
    ControlStyle::setTextColour(sample, sample_.color);
}

void UpdateNastrWindow::chooseFont() {
    if (fontDialog_) {
        fontDialog_->raise();
        fontDialog_->activateWindow();
        return;
    }
    if (!binding_->acceptAll().isEmpty()) return;
    fontDialog_ = new QFontDialog(form_->chooserFont(), this);
    fontDialog_->setWindowTitle(QStringLiteral("Выбрать шрифт для печати"));
    fontDialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(fontDialog_, &QFontDialog::fontSelected, this, &UpdateNastrWindow::fontChosen);
    fontDialog_->show();
}

void UpdateNastrWindow::fontChosen(const QFont& font) {
    const QString refusal = form_->takeFont(font);
    if (!refusal.isEmpty()) {
        context_.errors().show({Severity::Notice, QStringLiteral("Шрифт не выбран"), refusal});
        return;
    }
    binding_->load(kTypeface);
    binding_->load(kFontSize);
    showFont();
}

void UpdateNastrWindow::checkPrint() {
    if (!binding_->acceptAll().isEmpty()) return;
    if (checkPreview_) checkPreview_->close();
    checkPreview_ = PrintCheck::show(context_, sideInView(), form_->record());
}

PrintSide UpdateNastrWindow::sideInView() const {
    return controls_->currentTab(UpdateNastrLayout::kSheet) == UpdateNastrLayout::kBackTab
               ? PrintSide::BackSide
               : PrintSide::Certificate;
}

bool UpdateNastrWindow::toolbarAction(ToolbarAction action) {
    switch (action) {
        case ToolbarAction::History:
            return historyKey_->recallFocused();
        case ToolbarAction::Help:
            Help::show(kHelpTopic);
            return true;
        default:
            return false;
    }
}

void UpdateNastrWindow::save() {
    if (!binding_->acceptAll().isEmpty()) return;
    // A refused write has been reported; the form stays open as it is.
    if (!form_->save()) return;
    saved_ = true;
    guard_->release();
    close();
}

void UpdateNastrWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Reached only once the change guard lets the form go.
void UpdateNastrWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (finished_) return;
    finished_ = true;
    if (fontDialog_) fontDialog_->close();
    // The check shows positions that may not have been kept.
    if (checkPreview_) checkPreview_->close();
    const Response response = saved_ ? Response::Completed : Response::Cancelled;
    form_.reset();
    scope_.reset();
    context_.setGlobalResponse(response);
    // After the guard has put the record back, and after this window is gone
    // from the frame, so the list finds its own window active again.
    QTimer::singleShot(0, [done = std::move(done_), response] { done(response); });
}
