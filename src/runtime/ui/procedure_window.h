#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>

// Opens a window procedure's window through the WindowHost at the placement
// saved in its section. Without a saved placement the window's own area,
// inside the child window's frame and title, gets its declared size in
// dialog units of the window's font.
QWidget* openProcedureWindow(QWidget* window, const QString& section, QSize clientUnits);

// A font as windows declare theirs: "Arial CYR" 7 and the like.
QFont windowFont(const QString& family, int points);
