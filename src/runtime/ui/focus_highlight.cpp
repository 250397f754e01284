#include "runtime/ui/focus_highlight.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include "runtime/ui/control_style.h"

namespace {

const char* const kKeepFont = "vetdocsKeepFont";

}  // namespace

FocusHighlight::FocusHighlight(QWidget* window) : QObject(window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMoved(now); });
}

FocusHighlight* FocusHighlight::attach(QWidget* window) {
    if (auto* existing = window->findChild<FocusHighlight*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new FocusHighlight(window);
}

void FocusHighlight::keepFont(QWidget* control) {
    control->setProperty(kKeepFont, true);
}

bool FocusHighlight::takesHighlight(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) ||
           qobject_cast<const QAbstractSpinBox*>(control) ||
           qobject_cast<const QComboBox*>(control) || qobject_cast<const QCheckBox*>(control) ||
           qobject_cast<const QRadioButton*>(control) ||
           qobject_cast<const QPlainTextEdit*>(control) || qobject_cast<const QTextEdit*>(control);
}

void FocusHighlight::focusMoved(QWidget* focused) {
    if (!focused || !window_->isAncestorOf(focused)) return;
    QWidget* control = ControlStyle::owningControl(focused);
    if (control == current_) return;
    restore();
    if (!takesHighlight(control) || !control->isVisible() || !control->isEnabled()) return;
    current_ = control;
    savedPalette_ = control->palette();
    savedFont_ = control->font();
    savedAutoFill_ = control->autoFillBackground();
    if (!control->property(kKeepFont).toBool()) {
        QFont bold = savedFont_;
        bold.setBold(true);
        control->setFont(bold);
    }
    ControlStyle::setFill(control, ControlStyle::isRequired(control) ? kRequiredFill : kFill);
}

void FocusHighlight::restore() {
    if (current_) {
        current_->setPalette(savedPalette_);
        current_->setFont(savedFont_);
        current_->setAutoFillBackground(savedAutoFill_);
    }
    current_ = nullptr;
}
