#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>

// The window convention for the focused control: the control highlighted
// before gets its own fill and font back, then an editable control that is
// shown and enabled is drawn bold on a light yellow fill (light red when it
// is required). Buttons and captions get nothing.
class FocusHighlight : public QObject {
    Q_OBJECT

public:
    static inline const QColor kFill{255, 255, 185};
    static inline const QColor kRequiredFill{255, 196, 196};

    // The window's highlight, made on the first call; it follows the focus
    // inside the window for the window's lifetime. Windows opened through the
    // WindowHost have one already.
    static FocusHighlight* attach(QWidget* window);

    // The control keeps its own font when highlighted (a typeface sample).
    static void keepFont(QWidget* control);

    QWidget* current() const { return current_; }

private:
    explicit FocusHighlight(QWidget* window);
    void focusMoved(QWidget* focused);
    void restore();
    static bool takesHighlight(const QWidget* control);

    QWidget* window_;
    QPointer<QWidget> current_;
    QPalette savedPalette_;
    QFont savedFont_;
    bool savedAutoFill_ = false;
};
