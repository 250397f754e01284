#pragma once

#include <QPointF>
#include <QRectF>
#include <vector>

// Where the profile editor puts its controls over the back of the blank on
// its second tab, in dialog units, as its control table gives them.
namespace EditorLayout {

inline constexpr QRectF kPictureBox{9, 24, 431, 400};

// The seven X boxes of every row, row by row.
std::vector<QRectF> cellBoxes();
// The rows' Y boxes.
std::vector<QRectF> rowBoxes();
// The heads "Х" over the columns and "Y" over the Y boxes, 14 points.
std::vector<QPointF> headPositions();

}  // namespace EditorLayout
