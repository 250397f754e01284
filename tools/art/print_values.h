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

// The front's values: the certificate's, then the counterfoil's own (the
// receiver's lines); a value both print is given once, as the certificate
// places it.
std::vector<Value> front();
// The back's 42 cells, row by row.
std::vector<Value> back();
// The back's row tops and cell lefts and widths.
std::vector<double> backRowTops();
std::vector<QRectF> backCellsOfRow(double top);

}  // namespace PrintValues
