#include "art/print_values.h"

#include <algorithm>
#include <initializer_list>

#include "data/print_layout_tables.h"

namespace PrintValues {

namespace {

constexpr double FitValue = kFitValueWidth;

std::vector<Value> certificate() {
#define VETDOCS_VALUE(value, picture, x, y, width, align, xFrom, yFrom) \
    {QStringLiteral(#value), QRectF(x, y, width, kBoxHeight)},
    return {VETDOCS_CERTIFICATE_CONTROLS(VETDOCS_VALUE)};
}

std::vector<Value> counterfoil() {
    return {VETDOCS_COUNTERFOIL_CONTROLS(VETDOCS_VALUE)};
#undef VETDOCS_VALUE
}

}  // namespace

std::vector<Value> front() {
    std::vector<Value> values = certificate();
    for (const Value& value : counterfoil()) {
        const bool known = std::any_of(values.begin(), values.end(),
                                       [&](const Value& v) { return v.name == value.name; });
        if (!known) values.push_back(value);
    }
    return values;
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
