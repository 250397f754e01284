#include "app/edit_actions.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// The line or text box inside the focused control, and whether it is
// read-only.
QWidget* textTarget(QWidget* focused, bool& readOnly) {
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(focused)) {
        readOnly = spin->isReadOnly();
        return spin->findChild<QLineEdit*>();
    }
    if (auto* line = qobject_cast<QLineEdit*>(focused)) {
        readOnly = line->isReadOnly();
        return line;
    }
    if (auto* text = qobject_cast<QTextEdit*>(focused)) {
        readOnly = text->isReadOnly();
        return text;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focused)) {
        readOnly = plain->isReadOnly();
        return plain;
    }
    return nullptr;
}

}  // namespace

bool applyEditAction(QWidget* focused, EditAction action) {
    bool readOnly = false;
    QWidget* target = focused ? textTarget(focused, readOnly) : nullptr;
    if (!target) return false;
    if (readOnly && action == EditAction::Paste) return false;
    if (readOnly && action == EditAction::Cut) action = EditAction::Copy;
    const char* slot = action == EditAction::Cut    ? "cut"
                       : action == EditAction::Copy ? "copy"
                                                    : "paste";
    return QMetaObject::invokeMethod(target, slot);
}
