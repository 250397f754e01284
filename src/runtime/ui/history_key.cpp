#include "runtime/ui/history_key.h"

#include <QApplication>
#include <QShortcut>

HistoryKey::HistoryKey(QWidget* form, FormBinding& binding, FieldHistory& history,
                       const QString& formKind)
    : QObject(form), form_(form), binding_(binding), history_(history), formKind_(formKind) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), form);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, &HistoryKey::recallFocused);
}

bool HistoryKey::recallFocused() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !form_->isAncestorOf(focused)) return false;
    const RecordBuffer& last = history_.last(formKind_, binding_.record().layout());
    return binding_.recall(binding_.labelOf(focused), last);
}

void HistoryKey::remember() {
    history_.remember(formKind_, binding_.record());
}
