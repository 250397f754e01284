#include "runtime/ui/message_box_error_manager.h"

#include <QMessageBox>

MessageBoxErrorManager::MessageBoxErrorManager(std::function<QWidget*()> window)
    : window_(std::move(window)) {}

bool MessageBoxErrorManager::show(const ErrorMessage& message) {
    if (message.severity == Severity::Question) {
        // The one place a window waits for an answer: the table layer asks
        // ("Auto Increment Error") in the middle of an operation and needs
        // yes or no before it can go on. Modal to the asking window only.
        QMessageBox box(QMessageBox::Question, message.title, message.text,
                        QMessageBox::Yes | QMessageBox::No, window());
        box.setWindowModality(Qt::WindowModal);
        return box.exec() == QMessageBox::Yes;
    }
    const auto icon =
        message.severity == Severity::Fatal ? QMessageBox::Critical : QMessageBox::Warning;
    // Owned by the frame, not by the window: a fatal message usually comes
    // just before its window closes, and must outlive it.
    QWidget* over = window();
    auto* box = new QMessageBox(icon, message.title, message.text, QMessageBox::Ok,
                                over ? over->window() : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    return false;
}
