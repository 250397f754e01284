#pragma once

#include <QRectF>
#include <QString>
#include <vector>

// Where the print layouts put their values with the standard profile, in
// millimetres of the sheet: read from the program's own layout tables, so
// the print pictures follow any change to them.
namespace PrintValues {

// Every box is as high as this; its text stands at its top.
inline constexpr double kBoxHeight = 4;
// A box sized to its value holds two digits.
inline constexpr double kFitValueWidth = 5;

struct Value {
    QString name;  // the certificate's field, "S3"
    QRectF box;
};

// The front's values: the certificate's, then the receiver's lines, which
// the blank carries for a signature by hand; a value both print is given
// once, as the certificate places it.
std::vector<Value> front();
// The counterfoil's values: the certificate's with the counterfoil's own
// rows in place of theirs, the receiver's lines added.
std::vector<Value> counterfoil();
// The back's 42 cells, row by row.
std::vector<Value> back();
// The back's row tops and cell lefts and widths.
std::vector<double> backRowTops();
std::vector<QRectF> backCellsOfRow(double top);

}  // namespace PrintValues
