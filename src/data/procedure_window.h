#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include "runtime/ui/dialog_units.h"

// Opens a window procedure's window through the WindowHost at the placement
// saved in its section. Without a saved placement the window's own area,
// inside the child window's frame and title, gets its declared size.
QWidget* openProcedureWindow(QWidget* window, const QString& section, QSize clientUnits);

// A window's font as its windows are declared: "Arial CYR" 7 and the like.
QFont windowFont(const QString& family, int points);
