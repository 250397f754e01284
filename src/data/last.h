#pragma once

#include "runtime/core/record_layout.h"

// LAST: one print layout profile, 634 bytes. F(name, type, size, places) in record order.
#define VETDOCS_LAS_FIELDS(F) \
    F(NFORM, Decimal, 5, 0) \
    F(AXZ5, Decimal, 4, 1) \
    F(AYZ5, Decimal, 4, 1) \
    F(AXZ6, Decimal, 4, 1) \
    F(AYZ6, Decimal, 4, 1) \
    F(NAME, String, 30, 0) \
    F(AXZ1, Decimal, 4, 1) \
    F(AYZ1, Decimal, 4, 1) \
    F(AXZ2, Decimal, 4, 1) \
    F(AYZ2, Decimal, 4, 1) \
    F(AXZ3, Decimal, 4, 1) \
    F(AYZ3, Decimal, 4, 1) \
    F(AXS31, Decimal, 4, 1) \
    F(AYS31, Decimal, 4, 1) \
    F(AXZ4, Decimal, 4, 1) \
    F(AYZ4, Decimal, 4, 1) \
    F(AXS41, Decimal, 4, 1) \
    F(AYS41, Decimal, 4, 1) \
    F(AXDAY, Decimal, 4, 1) \
    F(AYDAY, Decimal, 4, 1) \
    F(AXMES, Decimal, 4, 1) \
    F(AYMES, Decimal, 4, 1) \
    F(AXGOD, Decimal, 4, 1) \
    F(AYGOD, Decimal, 4, 1) \
    F(AZS1, Decimal, 4, 1) \
    F(AYS1, Decimal, 4, 1) \
    F(AXS2, Decimal, 4, 1) \
    F(AYS2, Decimal, 4, 1) \
    F(AXS3, Decimal, 4, 1) \
    F(AYS3, Decimal, 4, 1) \
    F(AXS4, Decimal, 4, 1) \
    F(AYS4, Decimal, 4, 1) \
    F(AXKOL, Decimal, 4, 1) \
    F(AYKOL, Decimal, 4, 1) \
    F(AXUP, Decimal, 4, 1) \
    F(AYUP, Decimal, 4, 1) \
    F(AXMK, Decimal, 4, 1) \
    F(AYMK, Decimal, 4, 1) \
    F(AXS5, Decimal, 4, 1) \
    F(AYS5, Decimal, 4, 1) \
    F(AXS7, Decimal, 4, 1) \
    F(AYS7, Decimal, 4, 1) \
    F(AXDV, Decimal, 4, 1) \
    F(AYDV, Decimal, 4, 1) \
    F(AXS71, Decimal, 4, 1) \
    F(AYS71, Decimal, 4, 1) \
    F(AXS72, Decimal, 4, 1) \
    F(AYS72, Decimal, 4, 1) \
    F(AXS8, Decimal, 4, 1) \
    F(AYS8, Decimal, 4, 1) \
    F(AXS9, Decimal, 4, 1) \
    F(AYS9, Decimal, 4, 1) \
    F(AXS10, Decimal, 4, 1) \
    F(AYS10, Decimal, 4, 1) \
    F(AXS11, Decimal, 4, 1) \
    F(AYS11, Decimal, 4, 1) \
    F(AXS13, Decimal, 4, 1) \
    F(AYS13, Decimal, 4, 1) \
    F(AXS14, Decimal, 4, 1) \
    F(AYS14, Decimal, 4, 1) \
    F(AXS141, Decimal, 4, 1) \
    F(AYS141, Decimal, 4, 1) \
    F(AXS142, Decimal, 4, 1) \
    F(AYS142, Decimal, 4, 1) \
    F(AXS143, Decimal, 4, 1) \
    F(AYS143, Decimal, 4, 1) \
    F(AXS144, Decimal, 4, 1) \
    F(AYS144, Decimal, 4, 1) \
    F(AXS15, Decimal, 4, 1) \
    F(AYS15, Decimal, 4, 1) \
    F(AXS151, Decimal, 4, 1) \
    F(AYS151, Decimal, 4, 1) \
    F(AXS16, Decimal, 4, 1) \
    F(AYS16, Decimal, 4, 1) \
    F(AXS161, Decimal, 4, 1) \
    F(AYS161, Decimal, 4, 1) \
    F(AXS17, Decimal, 4, 1) \
    F(AYS17, Decimal, 4, 1) \
    F(AXS18, Decimal, 4, 1) \
    F(AYS18, Decimal, 4, 1) \
    F(AXS19, Decimal, 4, 1) \
    F(AYS19, Decimal, 4, 1) \
    F(AXS191, Decimal, 4, 1) \
    F(AYS191, Decimal, 4, 1) \
    F(AXS20, Decimal, 4, 1) \
    F(AYS20, Decimal, 4, 1) \
    F(AXS201, Decimal, 4, 1) \
    F(AXS202, Decimal, 4, 1) \
    F(AXS203, Decimal, 4, 1) \
    F(AXS204, Decimal, 4, 1) \
    F(AXS205, Decimal, 4, 1) \
    F(AXS206, Decimal, 4, 1) \
    F(AXS21, Decimal, 4, 1) \
    F(AYS21, Decimal, 4, 1) \
    F(AXS211, Decimal, 4, 1) \
    F(AXS212, Decimal, 4, 1) \
    F(AXS213, Decimal, 4, 1) \
    F(AXS214, Decimal, 4, 1) \
    F(AXS215, Decimal, 4, 1) \
    F(AXS216, Decimal, 4, 1) \
    F(AXS22, Decimal, 4, 1) \
    F(AYS22, Decimal, 4, 1) \
    F(AXS221, Decimal, 4, 1) \
    F(AXS222, Decimal, 4, 1) \
    F(AXS223, Decimal, 4, 1) \
    F(AXS224, Decimal, 4, 1) \
    F(AXS225, Decimal, 4, 1) \
    F(AXS226, Decimal, 4, 1) \
    F(AXS23, Decimal, 4, 1) \
    F(AYS23, Decimal, 4, 1) \
    F(AXS231, Decimal, 4, 1) \
    F(AXS232, Decimal, 4, 1) \
    F(AXS233, Decimal, 4, 1) \
    F(AXS234, Decimal, 4, 1) \
    F(AXS235, Decimal, 4, 1) \
    F(AXS236, Decimal, 4, 1) \
    F(AXS24, Decimal, 4, 1) \
    F(AYS24, Decimal, 4, 1) \
    F(AXS241, Decimal, 4, 1) \
    F(AXS242, Decimal, 4, 1) \
    F(AXS243, Decimal, 4, 1) \
    F(AXS244, Decimal, 4, 1) \
    F(AXS245, Decimal, 4, 1) \
    F(AXS246, Decimal, 4, 1) \
    F(AXS25, Decimal, 4, 1) \
    F(AYS25, Decimal, 4, 1) \
    F(AXS251, Decimal, 4, 1) \
    F(AXS252, Decimal, 4, 1) \
    F(AXS253, Decimal, 4, 1) \
    F(AXS254, Decimal, 4, 1) \
    F(AXS255, Decimal, 4, 1) \
    F(AXS256, Decimal, 4, 1) \
    F(AXP1, Decimal, 4, 1) \
    F(AYP1, Decimal, 4, 1) \
    F(AXP2, Decimal, 4, 1) \
    F(AYP2, Decimal, 4, 1) \
    F(AXP3, Decimal, 4, 1) \
    F(AYP3, Decimal, 4, 1) \
    F(AXP4, Decimal, 4, 1) \
    F(AYP4, Decimal, 4, 1) \
    F(TYPEFACE, String, 31, 0) \
    F(FONTSIZE, Long, 0, 0) \
    F(FONTCOLOR, Long, 0, 0) \
    F(FONTSTYLE, Long, 0, 0) \
    F(CHARSET, Long, 0, 0)

namespace LAS {
#define VETDOCS_FIELD_NAME(name, ...) name,
enum Field : int { VETDOCS_LAS_FIELDS(VETDOCS_FIELD_NAME) FieldCount };
#undef VETDOCS_FIELD_NAME

enum Key : int { K1 };

const RecordLayout& layout();
}  // namespace LAS
