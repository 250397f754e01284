#pragma once

#include <QImage>

// Small seamless tiles that fill window backgrounds; light enough for black
// and grey text on top.
namespace Tiles {

// "fon_nnn.jpg", 14 × 14: a warm diamond lattice, for most windows.
QImage drawWindowTile();
// "fon_b.jpg", 14 × 14: a cool woven pattern, for the database selection window.
QImage drawDatabaseTile();

}  // namespace Tiles
