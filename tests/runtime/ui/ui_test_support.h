#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "runtime/core/record_layout.h"

// A small record with one field of every kind the forms bind.
inline const RecordLayout& testLayout() {
    static const RecordLayout layout(QStringLiteral("TEST"), QStringLiteral("TST"),
                                     {{"NAME", FieldType::String, 10},
                                      {"NUMBER", FieldType::Long, 0},
                                      {"ISSUED", FieldType::Long, 0},
                                      {"FLAG", FieldType::Byte, 0},
                                      {"STATUS", FieldType::String, 9},
                                      {"COUNT", FieldType::Byte, 0}});
    return layout;
}

enum TestField { NAME, NUMBER, ISSUED, FLAG, STATUS, COUNT };

// Shows the window and makes it the active one, so that focus moves as for
// the user.
inline void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
}

// Types text as the keyboard does, one key event per character (QTest
// knows only Latin-1 keys).
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

// Moves the focus as the user's Tab or click would.
inline void focusOn(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}
