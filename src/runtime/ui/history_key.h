#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include "runtime/ui/field_history.h"
#include "runtime/ui/form_binding.h"

// The history key of a record form (Ctrl+H and the toolbar's history
// button): the focused control's field gets back its value from the record
// last saved from this kind of form in the window context.
class HistoryKey : public QObject {
    Q_OBJECT

public:
    HistoryKey(QWidget* form, FormBinding& binding, FieldHistory& history, const QString& formKind);

    // False when the focused control has no field.
    bool recallFocused();
    // The form calls this when it saves its record.
    void remember();

private:
    QWidget* form_;
    FormBinding& binding_;
    FieldHistory& history_;
    QString formKind_;
};
