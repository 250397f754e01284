#include "runtime/ui/change_guard.h"

#include <QEvent>

#include "runtime/ui/window_question.h"

ChangeGuard::ChangeGuard(QWidget* form, FormBinding& binding, QWidget* firstField)
    : QObject(form), form_(form), binding_(binding), firstField_(firstField) {
    remember();
    form->installEventFilter(this);
}

void ChangeGuard::remember() {
    opened_ = binding_.record().image();
}

bool ChangeGuard::changed() const {
    const auto pending = binding_.pending();
    return !pending || pending->image() != opened_;
}

bool ChangeGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_ || event->type() != QEvent::Close || released_ || !changed())
        return QObject::eventFilter(watched, event);
    event->ignore();
    if (question_)
        question_->raise();
    else
        ask();
    return true;
}

void ChangeGuard::ask() {
    question_ = askQuestion(form_, QStringLiteral("Изменения не сохранены!"),
                            QStringLiteral("Не сохранять изменения?"), [this](bool yes) {
                                if (yes) {
                                    released_ = true;
                                    form_->close();
                                    // Abandoned: the caller's record is as it
                                    // was, whatever the closing took in.
                                    binding_.record().setImage(opened_);
                                } else if (firstField_) {
                                    firstField_->setFocus();
                                }
                            });
}
