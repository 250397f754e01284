#pragma once

#include "runtime/core/record_layout.h"

// LICENZIY: one veterinary permit, 54 bytes. F(name, type, size, places) in record order.
#define VETDOCS_LIC_FIELDS(F) \
    F(NLIC, String, 25, 0) \
    F(DATALIC, Long, 0, 0) \
    F(KOL, Decimal, 5, 0) \
    F(ED, String, 20, 0)

namespace LIC {
#define VETDOCS_FIELD_NAME(name, ...) name,
enum Field : int { VETDOCS_LIC_FIELDS(VETDOCS_FIELD_NAME) FieldCount };
#undef VETDOCS_FIELD_NAME

enum Key : int { K1 };

const RecordLayout& layout();
}  // namespace LIC
