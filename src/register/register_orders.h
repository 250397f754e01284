#pragma once

#include <QtGlobal>
#include <vector>

#include "register/register_catalog.h"
#include "runtime/expr/fuzzy_matcher.h"

// One row of an order computed over the whole table.
struct RegisterRow {
    qint64 position;
    qint64 number;
};

// The register's orders over the certificates of a catalog that its filter
// accepts.
namespace RegisterOrders {

// Number order, as the key FR3:K2 gives it: by number, then stored position,
// without the certificates numbered 0 (the key leaves them out).
std::vector<RegisterRow> byNumber(const RegisterCatalog& catalog);

// The fuzzy order: every certificate, number 0 included, ascending by
// 200 - FuzzyMatch(query, search text), so the best match comes first;
// equal scores keep number order. The catalog must hold the texts.
std::vector<RegisterRow> byLikeness(const RegisterCatalog& catalog,
                                    const FuzzyMatcher::PreparedQuery& query);

}  // namespace RegisterOrders
