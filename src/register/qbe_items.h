#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The comparisons the register's query offers; which ones an item offers
// depends on what it holds.
enum class QbeOperator { Equal, NotEqual, Less, Greater, From, To, Contains, StartsWith };

// One item of the register's query by example (QBE2): a certificate field
// in upper case, its caption and its picture.
struct QbeItem {
    QString caption;     // "Кому:"
    QString expression;  // "UPPER(FR3:s2)"
    QString picture;     // "s91"
    // The one comparison of an end of a range ("Дата выдачи с:").
    std::optional<QbeOperator> only = std::nullopt;

    bool isText() const;
    // The comparisons offered, the first one chosen at the start.
    std::vector<QbeOperator> operators() const;
};

namespace QBE2 {

// The nineteen items in the order the dialog shows them.
const std::vector<QbeItem>& items();

}  // namespace QBE2

namespace QbeOperators {

// As the dialog names it: "равно", "содержит", "с" ...
QString caption(QbeOperator op);
// As saved queries store it: "equal", "contains" ...
QString word(QbeOperator op);
std::optional<QbeOperator> fromWord(QStringView word);

}  // namespace QbeOperators
