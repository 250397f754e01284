#pragma once

#include <QString>
#include <functional>

#include "runtime/expr/expression_context.h"

// The register's expressions: its fuzzy order and the filters of its query.
namespace RegisterExpressions {

// What the fuzzy order matches a search against: number, issue date (as its
// day number), description, recipient and destination with its second line.
inline const QString kSearchText =
    QStringLiteral("FR3:Nform&' '&FR3:datav&' '&FR3:opis&' '&FR3:s2&' '&FR3:s14&' '&FR3:s142");
// The fuzzy order, ascending: the best match first.
inline const QString kFuzzyOrder =
    QStringLiteral("200-FuzzyMatch(FuzzyQuery4,%1)").arg(kSearchText);

// Certificate fields by their labels, and the search text under the name
// FuzzyQuery4, read through query at every evaluation.
ExpressionContext context(std::function<QString()> query = {});

}  // namespace RegisterExpressions
