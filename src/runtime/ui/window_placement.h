#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include "runtime/ui/settings_file.h"

// A window's position, size and maximized state in its section of the
// settings file. Inside the frame the placement is the MDI child's place in
// the frame; on its own, the window's place on the desktop.
namespace WindowPlacement {

// Sets the placement saved in the section (defaultSize and the place the
// system chooses when none is saved) before the window is shown. True when a
// saved size was found.
bool restore(QWidget* window, const QString& section, QSize defaultSize,
             SettingsFile& settings = SettingsFile::instance());
void save(const QWidget* window, const QString& section,
          SettingsFile& settings = SettingsFile::instance());

// The saved rectangle, moved (and shrunk when it must) into the nearest area
// unless enough of its top edge lies within one of them to take hold of it.
QRect pulledOnto(const QRect& saved, const QList<QRect>& areas);
// The rectangle moved, and shrunk when it must, to lie wholly in the area.
QRect fittedInto(const QRect& rect, const QRect& area);
// Moves a shown window, and shrinks it when it must, to lie wholly in the
// frame's MDI area or on its own screen; a maximized window stays so.
void fitIntoRoom(QWidget* window);

}  // namespace WindowPlacement
