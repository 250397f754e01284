#pragma once

#include <QImage>
#include <QSize>

// Ruler strips laid along the top and left edges of the back of the blank,
// marked in millimetres of the A4 sheet the picture stands for.
namespace Rulers {

inline constexpr QSize kVerticalSize{22, 842};
inline constexpr QSize kHorizontalSize{810, 27};

// Down the sheet's 297 mm, centimetres numbered 0 to 29.
QImage drawVertical();
// Across the sheet's 210 mm, centimetres numbered 0 to 21.
QImage drawHorizontal();

}  // namespace Rulers
