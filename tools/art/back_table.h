#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

// The inspection table on the back of the blank, in dialog units of the
// certificate form. The form stretches the picture into its box and lays the
// column captions and the 42 cell entries over it, so the table is measured
// where those controls stand, not in millimetres of the paper.
namespace BackTable {

// The box the form shows the picture in.
inline constexpr QRectF kPictureBox{11, 21, 511, 554};

// Edges of the five headed columns: place and date, the three quantities,
// signature. Each edge lies in the gap between two neighbouring cell
// entries; the last one leaves room for the widest signature caption
// ("должностного лица,").
inline constexpr double kHeadEdges[] = {67.5, 145.5, 228.5, 310.5, 392.5, 466};

inline constexpr double kTop = 84.5;
// A thin row carrying the column numbers closes the heading.
inline constexpr double kNumbersTop = 148.5;
inline constexpr double kBodyTop = 157.5;
inline constexpr double kRowPitch = 9;
inline constexpr int kRows = 6;
inline constexpr double kBottom = kBodyTop + kRows * kRowPitch;

// Where each quantity heading splits into count and weight: under the
// heading's last caption line and above "мест" / "вес".
struct QuantityGroup {
    double left;
    double split;
    double right;
    double splitY;
};
inline constexpr QuantityGroup kGroups[] = {
    {145.5, 187, 228.5, 121.5},
    {228.5, 269.5, 310.5, 131.6},
    {310.5, 351.5, 392.5, 131.6},
};

// A point of the form's dialog units in a picture of the given size.
QPointF toPicture(QPointF dialogUnits, QSizeF picture);

// The nine edges of the eight columns, left to right.
std::vector<double> columnEdges();

// The table's rules in dialog units.
std::vector<QLineF> outerRules();
std::vector<QLineF> innerRules();
// The cells of the column-number row, left to right.
std::vector<QRectF> numberCells();

}  // namespace BackTable
