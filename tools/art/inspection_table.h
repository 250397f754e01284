#pragma once

#include <QLineF>
#include <QRectF>
#include <array>
#include <vector>

// The inspection table on the back of the blank, in the units of the
// picture it is drawn for: five heads, the three quantity heads split into a
// count and a weight, a thin row closing the heading, then the rows.
struct InspectionTable {
    std::array<double, 9> columns;  // edges of the eight columns, left to right
    double top;                     // of the heading
    double split;                   // where the quantity heads split
    std::vector<double> rows;       // rules from the heading's bottom to the table's bottom

    struct Head {
        const char* text;
        QRectF box;
    };

    std::vector<QLineF> innerRules() const;
    std::vector<QLineF> outerRules() const;
    std::vector<Head> heads() const;
    // The cells of the thin row under the heading.
    std::vector<QRectF> headingRowCells() const;
};
