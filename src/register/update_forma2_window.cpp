#include "register/update_forma2_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "data/forma3.h"
#include "data/shared_values.h"
#include "print/profile.h"
#include "register/blank_look.h"
#include "register/update_forma2_layout.h"
#include "runtime/report/report_font.h"
#include "runtime/ui/calendar8.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/help.h"
#include "runtime/ui/input_notice.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/wallpaper.h"
#include "runtime/ui/window_host.h"

namespace {

const QString kWallpaper = QStringLiteral(":/pictures/fon_nnn.jpg");
const QString kHelpTopic = QStringLiteral("Форма №2.htm");
const QStringList kHeadingLines = {"?FR3:Z1", "?FR3:Z2", "?FR3:Z3", "?FR3:Z4"};

QString labelOf(int field) {
    return u'?' + FR3::layout().qualifiedName(field);
}

// The "i" of the rules button is a book face; any serif stands in for it.
void useSerif(QWidget* control) {
    QFont font = control->font();
    font.setStyleHint(QFont::Serif);
    control->setFont(font);
}

std::optional<CharacterCounter::Key> typedKey(const QEvent* event) {
    using Key = CharacterCounter::Key;
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton
                   ? std::optional(Key::LeftButton)
                   : std::nullopt;
    if (event->type() != QEvent::KeyPress) return std::nullopt;
    switch (static_cast<const QKeyEvent*>(event)->key()) {
        case Qt::Key_Delete:
            return Key::Delete;
        case Qt::Key_Backspace:
            return Key::Backspace;
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return std::nullopt;  // a key held with another, not one of its own
        default:
            return Key::Other;
    }
}

}  // namespace

UpdateForma2Window::UpdateForma2Window(std::unique_ptr<CertificateForm> form,
                                       std::function<void(Response)> done, QWidget* parent)
    : QWidget(parent),
      form_(std::move(form)),
      done_(std::move(done)),
      scroll_(new QScrollArea(this)),
      canvas_(new FormCanvas) {
    setWindowTitle(QStringLiteral("Форма 2"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vetdocs.png")));
    setWallpaper(this, kWallpaper);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(canvas_);
    scroll_->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);

    canvas_->setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    setWallpaper(canvas_, kWallpaper);
    controls_ = buildControls(UpdateForma2Layout::controls(), canvas_);
    canvas_->setFixedSize(controls_->units().size(UpdateForma2Layout::kClientSize));
    BlankLook::apply(*controls_);
    useSerif(controls_->control(QStringLiteral("?BUTTON7")));
    canvas_->setFocusOrder(controls_, UpdateForma2Layout::focusOrder());

    binding_ = new FormBinding(*controls_, form_->record());
    bindProgramValues();
    historyKey_ =
        new HistoryKey(this, *binding_, form_->context().history(), CertificateForm::kProcedure);
    binding_->load();
    connectEvents();
}

UpdateForma2Window::~UpdateForma2Window() {
    if (form_) finish();
}

void UpdateForma2Window::bindProgramValues() {
    const auto bind = [this](const QString& label, Shared<int>& value) {
        binding_->bindValue(
            label, [&value] { return QVariant(value.get()); },
            [&value](const QVariant& typed) { value.set(typed.toInt()); });
    };
    bind(QStringLiteral("?VS_SIM"), VS_SIM);
    bind(QStringLiteral("?KOL_SIM"), KOL_SIM);
    bind(QStringLiteral("?AX"), AX);
    bind(QStringLiteral("?AY"), AY);
}

void UpdateForma2Window::connectEvents() {
    connect(binding_, &FormBinding::accepted, this, &UpdateForma2Window::accepted);
    const auto onClick = [this](const char* label, auto slot) {
        connect(controls_->control<QPushButton>(QString::fromLatin1(label)), &QPushButton::clicked,
                this, slot);
    };
    onClick("?OK", &UpdateForma2Window::save);
    onClick("?CANCEL", &QWidget::close);
    onClick("?BUTTON9", &UpdateForma2Window::copy);
    onClick("?BUTTON8", &UpdateForma2Window::paste);
    onClick("?BUTTON7", &UpdateForma2Window::showHelp);
    onClick("?CALENDAR", &UpdateForma2Window::pickDate);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });
    watchTypedKeys();
}

// The issue date and the counted lines follow the focus and every key.
void UpdateForma2Window::watchTypedKeys() {
    for (const QString& label : binding_->labels()) {
        const int field = binding_->fieldOf(label);
        if (field == FR3::DATAV || CharacterCounter::widthOf(field) > 0)
            controls_->control(label)->installEventFilter(this);
    }
}

void UpdateForma2Window::open() {
    form_->context().setWindow(this);
    WindowHost& host = WindowHost::instance();
    host.open(this, CertificateForm::kProcedure);
    host.setWindowAction(this, form_->actionMessage());
    showAdditionalLines();
    controls_->control(QStringLiteral("?FR3:NFORM"))->setFocus(Qt::OtherFocusReason);
    showPrintFont();
}

// The heading lines print in the profile's font, so they are shown in it.
// Without a profile they keep their own.
void UpdateForma2Window::showPrintFont() {
    const bool found = form_->readProfile();
    controls_->control<QGroupBox>(QStringLiteral("?GROUP3"))->setTitle(form_->headingCaption());
    if (!found) return;
    const FontSpec printFont = Profile::font(form_->profile());
    QFont font = toQFont(printFont);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    for (const QString& label : kHeadingLines) {
        QWidget* line = controls_->control(label);
        line->setFont(font);
        ControlStyle::setTextColour(line, printFont.color);
    }
}

void UpdateForma2Window::showAdditionalLines() {
    const bool shown = form_->showsAdditionalLines();
    for (const QString& label : UpdateForma2Layout::additionalLines())
        controls_->setHidden(label, !shown);
    BlankLook::hideCoveredCaptions(*controls_);
}

void UpdateForma2Window::accepted(const QString& label) {
    const int field = binding_->fieldOf(label);
    if (field == FR3::DATAV)
        afterDateEvent();
    else if (field == FR3::S2 && form_->recipientEvent())
        binding_->load(labelOf(FR3::OPIS));
    else if (field == FR3::CHEK)
        showAdditionalLines();
}

void UpdateForma2Window::afterDateEvent() {
    form_->dateEvent();
    for (int field : {FR3::DAY, FR3::MES, FR3::GOD})
        binding_->load(labelOf(field));
}

void UpdateForma2Window::countersEntered(int field) {
    CharacterCounter::entered(field, form_->record().text(field));
    binding_->load(QStringLiteral("?KOL_SIM"));
}

void UpdateForma2Window::keyPressed(int field, CharacterCounter::Key key) {
    CharacterCounter::pressed(field, key);
    binding_->load(QStringLiteral("?VS_SIM"));
    binding_->load(QStringLiteral("?KOL_SIM"));
}

bool UpdateForma2Window::eventFilter(QObject* watched, QEvent* event) {
    if (form_ && binding_) {
        const int field = binding_->fieldOf(binding_->labelOf(static_cast<QWidget*>(watched)));
        if (event->type() == QEvent::FocusIn) {
            if (field == FR3::DATAV)
                afterDateEvent();
            else
                countersEntered(field);
        } else if (const auto key = typedKey(event); key && field != FR3::DATAV) {
            keyPressed(field, *key);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpdateForma2Window::focusMoved(QWidget* now) {
    if (now && canvas_->isAncestorOf(now))
        scroll_->ensureWidgetVisible(ControlStyle::owningControl(now));
}

void UpdateForma2Window::save() {
    if (!binding_->acceptAll().isEmpty()) return;
    if (const int field = form_->missingRequired(); field >= 0) return refuseEmpty(field);
    if (!form_->save()) return;  // the table said why; the input stays
    response_ = Response::Completed;
    close();
}

void UpdateForma2Window::refuseEmpty(int field) {
    QWidget* control = controls_->control(labelOf(field));
    control->setFocus(Qt::OtherFocusReason);
    InputNotice::show(control,
                      field == FR3::NFORM ? QStringLiteral("Введите номер свидетельства")
                                          : QStringLiteral("Введите дату выдачи"),
                      false);
}

void UpdateForma2Window::copy() {
    CertificateForm::copy(shownRecord());
}

void UpdateForma2Window::paste() {
    form_->paste();
    binding_->load();
}

void UpdateForma2Window::pickDate() {
    binding_->acceptAll();
    afterDateEvent();
    const auto day = static_cast<qint32>(form_->record().integer(FR3::DATAV));
    Calendar8::open(this, QStringLiteral("Дата выдачи"), day, [this](qint32 chosen) {
        if (!form_) return;
        form_->record().setInteger(FR3::DATAV, chosen);
        binding_->load();
        afterDateEvent();
    });
}

void UpdateForma2Window::showHelp() {
    Help::show(kHelpTopic);
}

bool UpdateForma2Window::toolbarAction(ToolbarAction action) {
    if (action == ToolbarAction::Help) {
        showHelp();
        return true;
    }
    return action == ToolbarAction::History && historyKey_ && historyKey_->recallFocused();
}

QSize UpdateForma2Window::sizeHint() const {
    return canvas_->size();
}

RecordBuffer UpdateForma2Window::shownRecord() const {
    return binding_->pending().value_or(form_->record());
}

// Every close request (OK, Cancel, the close box) leaves the certificate in
// the clipboard.
void UpdateForma2Window::closeEvent(QCloseEvent* event) {
    if (form_) {
        CertificateForm::copy(shownRecord());
        finish();
    }
    QWidget::closeEvent(event);
}

void UpdateForma2Window::finish() {
    // Controls losing the focus as the window goes must not write into the
    // record any more.
    delete historyKey_;
    historyKey_ = nullptr;
    delete binding_;
    binding_ = nullptr;
    if (response_ != Response::Completed) form_->abandon();
    form_->finish(response_);
    form_.reset();
    if (auto done = std::exchange(done_, nullptr)) done(response_);
}
