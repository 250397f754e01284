#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "register/qbe_items.h"

// One line of the query as the user filled it in: an item of QBE2, a
// comparison and the value as typed. A line with a blank value is not used.
struct QbeCondition {
    int item = 0;  // index into QBE2::items()
    QbeOperator op = QbeOperator::Equal;
    QString value;

    bool operator==(const QbeCondition&) const = default;
};

// A value the item cannot take, or a comparison it does not offer.
struct QbeError {
    int item;
    QString message;  // "Дата выдачи с: неверная дата: 31.02.2024"
};

// The filter expression of a query and the text a saved query is kept as.
namespace QbeQuery {

// The used lines joined by AND, in the evaluator's syntax: numbers and dates
// (day numbers) unquoted, texts upper-cased and quoted, so that they meet
// the items' UPPER(...). Blank when no line is used.
//   (UPPER(FR3:datav) >= 81649) AND (INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1))
std::variant<QString, QbeError> expression(const std::vector<QbeCondition>& conditions);

// The used lines as saved queries keep them, and back; nothing when the
// saved form is damaged.
QJsonArray toJson(const std::vector<QbeCondition>& conditions);
std::optional<std::vector<QbeCondition>> fromJson(const QJsonValue& saved);

}  // namespace QbeQuery
