#include "reports/rep_data_window.h"

#include <QComboBox>
#include <QIcon>
#include <QPointer>
#include <QPushButton>

#include "data/shared_values.h"
#include "reports/rep_input1.h"
#include "runtime/ui/calendar8.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/form_binding.h"
#include "runtime/ui/help.h"
#include "runtime/ui/wallpaper.h"

namespace {

// The dialog edits program values only; its binding needs a record all the
// same.
const RecordLayout& noFields() {
    static const RecordLayout layout(QStringLiteral("REP_DATA"), QStringLiteral("REP"), {});
    return layout;
}

ControlFont arialCyr(int size, bool bold = false, std::optional<QColor> colour = {}) {
    return {.family = QStringLiteral("Arial CYR"), .size = size, .bold = bold, .colour = colour};
}

ControlDef prompt(const char* label, At at, const char* text, int size) {
    return {.kind = ControlKind::Prompt,
            .label = QString::fromLatin1(label),
            .at = at,
            .text = QString::fromUtf8(text),
            .font = arialCyr(size)};
}

ControlDef dateEntry(const char* label, At at) {
    return {.kind = ControlKind::Entry,
            .label = QString::fromLatin1(label),
            .at = at,
            .use = QString::fromLatin1(label + 1),
            .picture = QStringLiteral("d6.b"),
            .font = arialCyr(9)};
}

ControlDef calendarButton(const char* label, At at) {
    return {.kind = ControlKind::Button,
            .label = QString::fromLatin1(label),
            .at = at,
            .image = QStringLiteral(":/icons/calendarn.ico")};
}

ControlDef button(const char* label, At at, const char* text, ControlFont font) {
    return {.kind = ControlKind::Button,
            .label = QString::fromLatin1(label),
            .at = at,
            .text = QString::fromUtf8(text),
            .font = std::move(font)};
}

// The light yellow "?" was drawn on the system's grey button face; our
// buttons are near white, so the button gets a face it stands out on.
ControlDef helpButton() {
    ControlDef def =
        button("?BUTTON5", {194, 55, 12, 12}, "?", arialCyr(10, true, QColor(255, 255, 128)));
    def.fill = QColor(0, 128, 128);
    return def;
}

// MS Sans Serif is not found on every system; Arial's metric twin comes
// closest to its widths.
QFont windowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    return font;
}

}  // namespace

const std::vector<ControlDef>& RepDataWindow::controlTable() {
    static const std::vector<ControlDef> table = {
        prompt("?D1:PROMPT", {9, 13}, "С", 9),
        dateEntry("?D1", {26, 14, 60, 10}),
        calendarButton("?CALENDAR", {89, 12, 12, 12}),
        prompt("?D2:PROMPT", {114, 13}, "по", 9),
        dateEntry("?D2", {131, 14, 60, 10}),
        calendarButton("?CALENDAR:2", {194, 13, 12, 12}),
        prompt("?COMMENT:PROMPT", {10, 33}, "С каким комментарием", 8),
        {.kind = ControlKind::DropCombo,
         .label = QStringLiteral("?COMMENT"),
         .at = {95, 34, 111, 10},
         .use = QStringLiteral("COMMENT"),
         .picture = QStringLiteral("s9"),
         .font = arialCyr(9),
         .items = {QStringLiteral("Выдано"), QStringLiteral("Испорчено"),
                   QStringLiteral("Образец")}},
        button("?OKBUTTON", {94, 55, 43, 14}, "Печать", arialCyr(8)),
        button("?CANCELBUTTON", {143, 55, 43, 14}, "Выйти", arialCyr(8)),
        helpButton(),
    };
    return table;
}

RepDataWindow::RepDataWindow(QWidget* parent) : QDialog(parent), noRecord_(noFields()) {
    setWindowTitle(QStringLiteral("За период"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vetdocs.png")));
    setFont(windowFont());
    setWallpaper(this, QStringLiteral(":/pictures/fon_nnn.jpg"));
    controls_ = buildControls(controlTable(), this);
    setFixedSize(controls_->units().size(217, 75));
    controls_->control<QComboBox>(QStringLiteral("?COMMENT"))->setMaxVisibleItems(5);
    bindValues();
    connectButtons();
}

void RepDataWindow::bindValues() {
    binding_ = new FormBinding(*controls_, noRecord_);
    const auto bindDay = [this](const QString& label, Shared<qint32>& day) {
        binding_->bindValue(
            label, [&day] { return QVariant(day.get()); },
            [&day](const QVariant& value) { day.set(value.toInt()); });
    };
    bindDay(QStringLiteral("?D1"), D1);
    bindDay(QStringLiteral("?D2"), D2);
    binding_->bindValue(
        QStringLiteral("?COMMENT"), [] { return QVariant(COMMENT.get()); },
        [](const QVariant& value) { COMMENT.set(value.toString()); });
    binding_->load();
}

void RepDataWindow::connectButtons() {
    const auto onClick = [this](const char* label, auto slot) {
        connect(controls_->control<QPushButton>(QString::fromLatin1(label)), &QPushButton::clicked,
                this, slot);
    };
    controls_->control<QPushButton>(QStringLiteral("?OKBUTTON"))->setDefault(true);
    onClick("?OKBUTTON", [this] { print(); });
    onClick("?CANCELBUTTON", [this] { reject(); });
    onClick("?BUTTON5", [] { Help::show(QStringLiteral("Отчёт за период.htm")); });
    onClick("?CALENDAR",
            [this] { chooseDay(QStringLiteral("?D1"), QStringLiteral("Дата [с]"), D1); });
    onClick("?CALENDAR:2",
            [this] { chooseDay(QStringLiteral("?D2"), QStringLiteral("Дата [по]"), D2); });
}

bool RepDataWindow::print() {
    if (!binding_->acceptAll().isEmpty()) return false;
    Rep_input1();
    binding_->load();
    return true;
}

void RepDataWindow::chooseDay(const QString& entry, const QString& title, Shared<qint32>& day) {
    // A day typed but not yet taken in is where the calendar opens.
    binding_->accept(entry);
    QPointer<RepDataWindow> window(this);
    Calendar8::open(this, title, day.get(), [window, &day](qint32 chosen) {
        day.set(chosen);
        if (window) window->binding_->load();
    });
}
