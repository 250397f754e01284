#include "art/inspection_table.h"

namespace {

const char* const kPlace =
    "Дата и наименование пункта, где проводился ветеринарный осмотр (изъятие)\n"
    "(П - погрузка,\nТ - транзит,\nВ - выгрузка)";
const char* const kQuantities[] = {
    "Осмотрено продуктов, сырья",
    "Кол-во изъятых продуктов, сырья, в т. ч. из-за недоброкачественности, порчи и др.",
    "Кол-во продуктов, сырья, разрешенных к дальнейшему следованию",
};
const char* const kCount = "мест (штук)";
const char* const kWeight = "вес";
const char* const kSignature = "Подпись должностного лица, производившего осмотр и печать";

QRectF between(double left, double top, double right, double bottom) {
    return {QPointF(left, top), QPointF(right, bottom)};
}

}  // namespace

std::vector<QLineF> InspectionTable::innerRules() const {
    const double left = columns.front();
    const double right = columns.back();
    const double bottom = rows.back();
    std::vector<QLineF> rules;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        rules.emplace_back(left, rows[i], right, rows[i]);
    for (std::size_t i = 1; i < 8; i += 2)
        rules.emplace_back(columns[i], top, columns[i], bottom);
    for (std::size_t i = 2; i < 8; i += 2) {
        rules.emplace_back(columns[i - 1], split, columns[i + 1], split);
        rules.emplace_back(columns[i], split, columns[i], bottom);
    }
    return rules;
}

std::vector<QLineF> InspectionTable::outerRules() const {
    const double left = columns.front();
    const double right = columns.back();
    const double bottom = rows.back();
    return {{left, top, right, top},
            {left, bottom, right, bottom},
            {left, top, left, bottom},
            {right, top, right, bottom}};
}

std::vector<InspectionTable::Head> InspectionTable::heads() const {
    const double bottom = rows.front();
    std::vector<Head> heads{{kPlace, between(columns[0], top, columns[1], bottom)}};
    for (std::size_t group = 0; group < 3; ++group) {
        const std::size_t i = 1 + 2 * group;
        heads.push_back({kQuantities[group], between(columns[i], top, columns[i + 2], split)});
        heads.push_back({kCount, between(columns[i], split, columns[i + 1], bottom)});
        heads.push_back({kWeight, between(columns[i + 1], split, columns[i + 2], bottom)});
    }
    heads.push_back({kSignature, between(columns[7], top, columns[8], bottom)});
    return heads;
}

std::vector<QRectF> InspectionTable::headingRowCells() const {
    std::vector<QRectF> cells;
    for (std::size_t i = 0; i + 1 < columns.size(); ++i)
        cells.push_back(between(columns[i], rows[0], columns[i + 1], rows[1]));
    return cells;
}
