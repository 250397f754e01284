#pragma once

#include "runtime/core/record_layout.h"

// RIDGEN: one head organisation, 37 bytes. F(name, type, size, places) in record order.
#define VETDOCS_RID_FIELDS(F) \
    F(KOD, Decimal, 2, 0) \
    F(NAME, String, 35, 0)

namespace RID {
#define VETDOCS_FIELD_NAME(name, ...) name,
enum Field : int { VETDOCS_RID_FIELDS(VETDOCS_FIELD_NAME) FieldCount };
#undef VETDOCS_FIELD_NAME

enum Key : int { K1, K2 };

const RecordLayout& layout();
}  // namespace RID
