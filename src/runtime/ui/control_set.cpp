#include "runtime/ui/control_set.h"

ControlSet::ControlSet(QWidget* window, DialogUnits units)
    : QObject(window), window_(window), units_(units) {}

void ControlSet::add(const ControlDef& def, QWidget* control) {
    defs_.push_back(def);
    controls_.insert(def.label, control);
    if (def.hidden) hidden_.insert(def.label);
    if (auto* sheet = qobject_cast<QTabWidget*>(control))
        connect(sheet, &QTabWidget::currentChanged, this, &ControlSet::updateVisibility);
    updateVisibility();
}

QWidget* ControlSet::control(const QString& label) const {
    return controls_.value(label);
}

const ControlDef* ControlSet::def(const QString& label) const {
    for (const ControlDef& def : defs_)
        if (def.label == label) return &def;
    return nullptr;
}

const ControlDef* ControlSet::defOf(const QWidget* control) const {
    for (const ControlDef& def : defs_)
        if (controls_.value(def.label) == control) return &def;
    return nullptr;
}

void ControlSet::setHidden(const QString& label, bool hidden) {
    if (hidden)
        hidden_.insert(label);
    else
        hidden_.remove(label);
    updateVisibility();
}

void ControlSet::selectTab(const QString& tabLabel) {
    const ControlDef* tab = def(tabLabel);
    if (!tab) return;
    if (auto* sheet = control<QTabWidget>(tab->tab)) sheet->setCurrentWidget(control(tabLabel));
}

QString ControlSet::currentTab(const QString& sheetLabel) const {
    auto* sheet = control<QTabWidget>(sheetLabel);
    if (!sheet) return {};
    const ControlDef* current = defOf(sheet->currentWidget());
    return current ? current->label : QString();
}

void ControlSet::setFocusOrder(const QStringList& labels) {
    QWidget* previous = nullptr;
    for (const QString& label : labels) {
        QWidget* next = control(label);
        if (!next) continue;
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

// A control of a page shows while the page is current in its sheet and the
// sheet itself shows.
bool ControlSet::onShownPage(const ControlDef& def) const {
    if (def.tab.isEmpty() || def.kind == ControlKind::Tab) return true;
    const ControlDef* tab = this->def(def.tab);
    if (!tab) return true;
    auto* sheet = control<QTabWidget>(tab->tab);
    if (!sheet || sheet->currentWidget() != control(def.tab)) return false;
    const ControlDef* sheetDef = this->def(tab->tab);
    return !isHidden(tab->tab) && (!sheetDef || onShownPage(*sheetDef));
}

void ControlSet::updateVisibility() {
    for (const ControlDef& def : defs_) {
        if (def.kind == ControlKind::Tab) continue;
        if (QWidget* widget = control(def.label))
            widget->setVisible(!isHidden(def.label) && onShownPage(def));
    }
}
