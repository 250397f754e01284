#pragma once

#include <QString>
#include <QWidget>

// Fills the window's background with the picture repeated as tiles; false
// (the window keeps its fill) when the picture cannot be read.
bool setWallpaper(QWidget* window, const QString& resource);
