#include "art/print_values.h"

#include <algorithm>
#include <initializer_list>

#include "data/print_layout_tables.h"

namespace PrintValues {

namespace {

constexpr double FitValue = kFitValueWidth;

#define VETDOCS_VALUE(value, picture, x, y, width, align, xFrom, yFrom) \
    {QStringLiteral(#value), QRectF(x, y, width, kBoxHeight)},

std::vector<Value> certificate() {
    return {VETDOCS_CERTIFICATE_CONTROLS(VETDOCS_VALUE)};
}

std::vector<Value> counterfoilRows() {
    return {VETDOCS_COUNTERFOIL_CONTROLS(VETDOCS_VALUE)};
}

#undef VETDOCS_VALUE

// The certificate's values with the counterfoil's rows added, each either in
// place of the certificate's row of its value or kept after it.
std::vector<Value> withCounterfoilRows(bool replacing) {
    std::vector<Value> values = certificate();
    for (const Value& row : counterfoilRows()) {
        const auto same = std::find_if(values.begin(), values.end(),
                                       [&](const Value& v) { return v.name == row.name; });
        if (same == values.end())
            values.push_back(row);
        else if (replacing)
            *same = row;
    }
    return values;
}

}  // namespace

std::vector<Value> front() {
    return withCounterfoilRows(false);
}

std::vector<Value> counterfoil() {
    return withCounterfoilRows(true);
}

std::vector<double> backRowTops() {
#define VETDOCS_ROW_TOP(y, ...) y,
    return {VETDOCS_BACK_ROWS(VETDOCS_ROW_TOP)};
#undef VETDOCS_ROW_TOP
}

std::vector<QRectF> backCellsOfRow(double top) {
#define VETDOCS_CELL(picture, x, width) QRectF(x, top, width, kBoxHeight),
    return {VETDOCS_BACK_CELLS(VETDOCS_CELL)};
#undef VETDOCS_CELL
}

std::vector<Value> back() {
    std::vector<Value> values;
    auto addRow = [&values](double top, std::initializer_list<const char*> names) {
        const char* const* name = names.begin();
        for (const QRectF& box : backCellsOfRow(top))
            values.push_back({QLatin1String(*name++), box});
    };
#define VETDOCS_ROW(y, yField, v1, x1, v2, x2, v3, x3, v4, x4, v5, x5, v6, x6, v7, x7) \
    addRow(y, {#v1, #v2, #v3, #v4, #v5, #v6, #v7});
    VETDOCS_BACK_ROWS(VETDOCS_ROW)
#undef VETDOCS_ROW
    return values;
}

}  // namespace PrintValues
