#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <functional>

// Asks a yes-or-no question about one window without holding up the others:
// the window is disabled until the answer comes, everything else goes on.
// Escape and the close box answer no. Returns the box.
QMessageBox* askQuestion(QWidget* window, const QString& title, const QString& text,
                         std::function<void(bool yes)> answered);
