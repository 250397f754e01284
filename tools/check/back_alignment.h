#pragma once

#include <QImage>
#include <QStringList>

// Whether the picture of the back lines up with the form's controls laid
// over it: no rule runs through a cell entry or a column caption, and each
// cell has a rule close along every side. Returns the faults, one per line.
QStringList checkBackAlignment(const QImage& picture);

// The picture at the size the form shows it, with the cell entries and the
// captions drawn where the form puts them, for looking at.
QImage drawBackOverlay(const QImage& picture);
