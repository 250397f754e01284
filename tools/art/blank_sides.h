#pragma once

#include <QImage>
#include <QSize>

// Pictures of the blank "Форма №2" that the windows lay their entries over.
namespace BlankSides {

inline constexpr QSize kFrontSize{595, 842};
inline constexpr QSize kBackSize{628, 842};
inline constexpr QSize kMiniatureSize{282, 333};

// The front: pale field and guilloche frame, no printed text.
QImage drawFront(int scale);
// The back: the same paper with the empty inspection table.
QImage drawBack(int scale);
// Both sides overlapping, small, for the about window.
QImage drawMiniature();

}  // namespace BlankSides
