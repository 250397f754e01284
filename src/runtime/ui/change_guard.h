#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "runtime/ui/form_binding.h"

// Asks before a record form is closed with changes it has not saved: "Не
// сохранять изменения?" — yes closes the form and puts the record back as it
// was, no returns to its first field. A form without changes closes at once. The question holds up
// only this form.
class ChangeGuard : public QObject {
    Q_OBJECT

public:
    // Remembers the record as the form shows it now.
    ChangeGuard(QWidget* form, FormBinding& binding, QWidget* firstField);

    void remember();
    // Whether any field differs from the remembered record, counting input the
    // record could not take as a change.
    bool changed() const;
    // After saving: the form closes without asking.
    void release() { released_ = true; }
    // The open question, if any.
    QMessageBox* question() const { return question_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ask();

    QWidget* form_;
    FormBinding& binding_;
    QPointer<QWidget> firstField_;
    QByteArray opened_;
    bool released_ = false;
    QPointer<QMessageBox> question_;
};
