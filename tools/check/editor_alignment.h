#pragma once

#include <QImage>
#include <QStringList>

// Whether the editor's picture of the back lines up with its grid of
// position boxes: nothing drawn under a box or a head, and each X box with a
// rule of the table close along every side. Returns the faults, one per line.
QStringList checkEditorBack(const QImage& picture);
