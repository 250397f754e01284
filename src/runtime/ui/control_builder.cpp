#include "runtime/ui/control_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "runtime/ui/control_style.h"
#include "runtime/ui/picture_control.h"

namespace {

QWidget* createControl(const ControlDef& def, QWidget* window) {
    switch (def.kind) {
        case ControlKind::Entry: {
            auto* entry = new QLineEdit(window);
            entry->setReadOnly(def.readOnly);
            return entry;
        }
        case ControlKind::Text:
        case ControlKind::Prompt: {
            auto* label = new QLabel(def.text, window);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(def.text, window);
            if (!def.image.isEmpty()) button->setIcon(QIcon(def.image));
            return button;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(def.text, window);
        case ControlKind::DropCombo:
        case ControlKind::DropList: {
            auto* combo = new QComboBox(window);
            combo->setEditable(def.kind == ControlKind::DropCombo);
            combo->addItems(def.items);
            combo->setEnabled(!def.readOnly);
            return combo;
        }
        case ControlKind::SpinBox: {
            auto* spin = new QSpinBox(window);
            if (def.maximum > def.minimum) spin->setRange(def.minimum, def.maximum);
            spin->setReadOnly(def.readOnly);
            return spin;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(def.text, window);
        case ControlKind::Image:
            return new PictureControl(def.image, window);
        case ControlKind::Sheet: {
            auto* sheet = new QTabWidget(window);
            sheet->tabBar()->setVisible(!def.wizard);
            return sheet;
        }
        case ControlKind::Tab:
            return new QWidget(window);  // a page; the controls on it are the window's
    }
    return nullptr;
}

void applyLook(const ControlDef& def, QWidget* control, const QFont& windowFont) {
    control->setFont(ControlStyle::font(def.font, windowFont));
    if (def.font.colour) ControlStyle::setTextColour(control, *def.font.colour);
    if (def.fill) ControlStyle::setFill(control, *def.fill);
    control->setToolTip(def.tooltip);
    ControlStyle::setStatusText(control, def.statusText);
    ControlStyle::setRequired(control, def.required);
}

// Sheets lie under pictures, pictures under group boxes, group boxes under
// everything else, whatever the order of the table.
int layer(ControlKind kind) {
    switch (kind) {
        case ControlKind::Sheet:
            return 0;
        case ControlKind::Image:
            return 1;
        case ControlKind::GroupBox:
            return 2;
        default:
            return 3;
    }
}

void stackByLayer(const ControlSet& set) {
    for (int level = 0; level <= 3; ++level)
        for (const ControlDef& def : set.defs())
            if (layer(def.kind) == level && def.kind != ControlKind::Tab)
                set.control(def.label)->raise();
}

// A prompt's mnemonic moves the focus to the control that follows it.
void attachPrompts(const ControlSet& set) {
    const auto& defs = set.defs();
    for (size_t i = 0; i + 1 < defs.size(); ++i)
        if (defs[i].kind == ControlKind::Prompt)
            set.control<QLabel>(defs[i].label)->setBuddy(set.control(defs[i + 1].label));
}

}  // namespace

ControlSet* buildControls(const std::vector<ControlDef>& table, QWidget* window) {
    auto* set = new ControlSet(window, DialogUnits(window->font()));
    for (const ControlDef& def : table) {
        QWidget* control = createControl(def, window);
        applyLook(def, control, window->font());
        if (def.kind == ControlKind::Tab) {
            if (auto* sheet = set->control<QTabWidget>(def.tab))
                sheet->addTab(control, def.text);
            else
                control->hide();
        } else {
            control->setGeometry(set->units().rect(def.at, control->sizeHint()));
        }
        set->add(def, control);
    }
    stackByLayer(*set);
    attachPrompts(*set);
    return set;
}
