#pragma once

#include "runtime/core/record_layout.h"

// CONFIG: one data folder, 292 bytes. F(name, type, size, places) in record order.
#define VETDOCS_KON_FIELDS(F) \
    F(KOD, Decimal, 2, 0) \
    F(PATH, String, 255, 0) \
    F(NAME, String, 35, 0)

namespace KON {
#define VETDOCS_FIELD_NAME(name, ...) name,
enum Field : int { VETDOCS_KON_FIELDS(VETDOCS_FIELD_NAME) FieldCount };
#undef VETDOCS_FIELD_NAME

enum Key : int { K1 };

const RecordLayout& layout();
}  // namespace KON
