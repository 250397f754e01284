#pragma once

#include <QWidget>
#include <functional>

#include "runtime/core/error_manager.h"

// Shows a window context's messages in message boxes over its window.
// Notices and fatal messages do not wait for the user: the window that
// reported them goes on and the box stays until it is closed.
class MessageBoxErrorManager : public ErrorManager {
public:
    // window names the window the boxes belong to at the moment of a message;
    // without one they open on their own.
    explicit MessageBoxErrorManager(std::function<QWidget*()> window = {});

    bool show(const ErrorMessage& message) override;

private:
    QWidget* window() const { return window_ ? window_() : nullptr; }

    std::function<QWidget*()> window_;
};
