#include "register/form_canvas.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>

#include "runtime/ui/control_style.h"

FormCanvas::FormCanvas(QWidget* parent) : QWidget(parent) {}

void FormCanvas::setFocusOrder(ControlSet* controls, const QStringList& order) {
    controls_ = controls;
    order_ = order;
    controls->setFocusOrder(order);
    for (const ControlDef& def : controls->defs()) {
        auto* sheet = controls->control<QTabWidget>(def.label);
        if (!sheet) continue;
        sheet->setFocusPolicy(Qt::NoFocus);
        sheet->tabBar()->setFocusPolicy(Qt::NoFocus);
        connect(sheet->tabBar(), &QTabBar::tabBarClicked, this, &FormCanvas::holdFocus);
        connect(sheet, &QTabWidget::currentChanged, this, &FormCanvas::pageShown);
    }
}

void FormCanvas::holdFocus() {
    setFocus(Qt::OtherFocusReason);
}

void FormCanvas::pageShown() {
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused != this && isAncestorOf(focused) && focused->isVisible()) return;
    if (QWidget* first = firstShown()) first->setFocus(Qt::OtherFocusReason);
}

QWidget* FormCanvas::firstShown() const {
    for (const QString& label : order_) {
        QWidget* control = controls_->control(label);
        if (control && control->isVisible() && takesFocus(label)) return control;
    }
    return nullptr;
}

// Hidden by the window (an extra line) or disabled: Tab passes it by. A
// control merely on the other page is not passed by.
bool FormCanvas::takesFocus(const QString& label) const {
    const QWidget* control = controls_->control(label);
    return control && !controls_->isHidden(label) && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus);
}

bool FormCanvas::focusNextPrevChild(bool next) {
    QWidget* focused = ControlStyle::owningControl(QApplication::focusWidget());
    const ControlDef* def = controls_ && focused ? controls_->defOf(focused) : nullptr;
    const qsizetype at = def ? order_.indexOf(def->label) : -1;
    // A control losing the focus because its page went away is not the
    // user's Tab: the focus stays on the page now shown.
    if (at < 0 || !focused->isVisible()) return QWidget::focusNextPrevChild(next);
    const qsizetype count = order_.size();
    for (qsizetype step = 1; step < count; ++step) {
        const QString& label = order_[((next ? at + step : at - step) % count + count) % count];
        if (!takesFocus(label)) continue;
        QWidget* target = controls_->control(label);
        if (!target->isVisible()) {
            holdFocus();
            controls_->selectTab(controls_->def(label)->tab);
        }
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}
