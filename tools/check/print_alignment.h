#pragma once

#include <QImage>
#include <QStringList>

// Whether the print pictures, stretched over the A4 sheet as the preview
// does, carry the values of the standard profile: on the front, nothing is
// drawn where a value's letters stand and a line runs under each value; on
// the back, each of the 42 cells stands clear inside its rules. Returns the
// faults, one per line.
QStringList checkPrintFront(const QImage& picture);
QStringList checkPrintCounterfoil(const QImage& picture);
QStringList checkPrintBack(const QImage& picture);
