#include "runtime/ui/window_question.h"

#include <QPointer>

#include "runtime/ui/window_host.h"

QMessageBox* askQuestion(QWidget* window, const QString& title, const QString& text,
                         std::function<void(bool yes)> answered) {
    // Inside the frame the box belongs to the frame, which keeps it in front;
    // parented to the window it would be disabled along with it.
    QWidget* top = window->window();
    auto* box = new QMessageBox(QMessageBox::Question, title, text,
                                QMessageBox::Yes | QMessageBox::No, top != window ? top : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setDefaultButton(QMessageBox::Yes);
    QPointer<QWidget> asking(window);
    const auto answer =
        QObject::connect(box, &QMessageBox::finished, box, [asking, box, answered](int) {
            if (!asking) return;
            asking->setEnabled(true);
            WindowHost::instance().activate(asking);
            answered(box->clickedButton() == box->button(QMessageBox::Yes));
        });
    // A window that goes while asking gets no answer: its callback would
    // run on what is left of it.
    QObject::connect(window, &QObject::destroyed, box, [box, answer] {
        QObject::disconnect(answer);
        box->close();
    });
    window->setEnabled(false);
    box->adjustSize();
    box->move(window->mapToGlobal(window->rect().center()) - box->rect().center());
    box->show();
    return box;
}
