#pragma once

#include <QImage>
#include <QSize>

// The back of the blank for the profile editor's second tab, whose grid of
// position boxes stands in its table: each row of boxes in a row of the
// table, each X box in the column of its cell, the rows' Y boxes in the
// margin beside it. The editor stretches the picture into AT(9, 24, 431,
// 400) of its dialog units, so the table is measured there; the picture has
// the box's proportions on a common screen (1.60 pixels a unit across, 1.54
// down), twice as fine.
namespace EditorBack {

inline constexpr QSize kSize{1380, 1232};

QImage draw();

}  // namespace EditorBack
