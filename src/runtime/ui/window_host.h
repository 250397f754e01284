#pragma once

#include <QList>
#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include "runtime/ui/toolbar_client.h"

// Zones of the frame's status bar.
enum class StatusZone {
    Hint = 1,    // the status text of the focused control, or a menu hint
    Action = 2,  // what the active record form does: "Добавить запись"
};

// The place windows open in: the main frame's MDI area, or the desktop when
// there is no frame (tests, a window shown on its own). It keeps the status
// bar's texts and routes the toolbar's navigation buttons to the active
// window.
class WindowHost : public QObject {
    Q_OBJECT

public:
    // Made on first use, which must come after the application object.
    static WindowHost& instance();

    // The frame's MDI area; while none is set, windows open top-level.
    void setMdiArea(QMdiArea* area);
    QMdiArea* mdiArea() const { return mdiArea_; }

    // Shows a window procedure's window inside the frame, with the focus
    // highlight every window has. With a section, the window opens at the
    // placement saved there (defaultSize when none) and saves it again when
    // it closes. Either way it is moved, and shrunk when it must, to lie
    // within the frame or its screen. The window is deleted when it closes.
    // Returns the widget carrying the window frame.
    QWidget* open(QWidget* window, const QString& section = {}, QSize defaultSize = {});
    // Brings an opened window to the front and gives it the focus.
    void activate(QWidget* window);
    // The opened window holding the widget, or null.
    QWidget* windowOf(const QWidget* widget) const;
    // The opened window that holds the focus, or else the frame's active one.
    QWidget* activeWindow() const;

    // Asks the toolbar clients around the focus in the active window, the
    // innermost first; false when none handled it.
    bool dispatch(ToolbarAction action);

    QString statusText(StatusZone zone) const;
    void setStatusText(StatusZone zone, const QString& text);
    // The action text of a record form; the zone shows the active window's.
    void setWindowAction(QWidget* window, const QString& text);

signals:
    void statusTextChanged(StatusZone zone, const QString& text);

private:
    WindowHost();
    void focusChanged(QWidget* now);
    void showActionOf(const QWidget* window);

    QPointer<QMdiArea> mdiArea_;
    QList<QPointer<QWidget>> windows_;
    QString hint_;
    QString action_;
};
