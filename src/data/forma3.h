#pragma once

#include "runtime/core/record_layout.h"

// FORMA3: one issued veterinary certificate, 2920 bytes. F(name, type, size, places) in record order.
#define VETDOCS_FR3_FIELDS(F) \
    F(NLIC, String, 25, 0) \
    F(CHEK, Byte, 0, 0) \
    F(COMMENT, String, 9, 0) \
    F(OPIS, String, 25, 0) \
    F(NFORM, Decimal, 5, 0) \
    F(DAY, Decimal, 2, 0) \
    F(MES, String, 8, 0) \
    F(GOD, Decimal, 2, 0) \
    F(DATAV, Long, 0, 0) \
    F(Z1, String, 46, 0) \
    F(Z2, String, 46, 0) \
    F(Z3, String, 46, 0) \
    F(Z4, String, 46, 0) \
    F(S1, String, 20, 0) \
    F(S2, String, 91, 0) \
    F(S3, String, 81, 0) \
    F(S31, String, 91, 0) \
    F(S4, String, 91, 0) \
    F(S41, String, 91, 0) \
    F(KOL, String, 27, 0) \
    F(UP, String, 25, 0) \
    F(MK, String, 25, 0) \
    F(S5, String, 77, 0) \
    F(S7, String, 71, 0) \
    F(DATAVUR, String, 36, 0) \
    F(S71, String, 91, 0) \
    F(S72, String, 91, 0) \
    F(S8, String, 69, 0) \
    F(S10, String, 91, 0) \
    F(S11, String, 80, 0) \
    F(S13, String, 75, 0) \
    F(S14, String, 40, 0) \
    F(S141, String, 45, 0) \
    F(S143, String, 45, 0) \
    F(S144, String, 45, 0) \
    F(S142, String, 40, 0) \
    F(S15, String, 20, 0) \
    F(S151, String, 91, 0) \
    F(S16, String, 91, 0) \
    F(S161, String, 91, 0) \
    F(S17, String, 73, 0) \
    F(S18, String, 91, 0) \
    F(S19, String, 91, 0) \
    F(S191, String, 91, 0) \
    F(S20, String, 15, 0) \
    F(S201, String, 10, 0) \
    F(S202, String, 10, 0) \
    F(S203, String, 10, 0) \
    F(S204, String, 10, 0) \
    F(S205, String, 10, 0) \
    F(S206, String, 10, 0) \
    F(S21, String, 15, 0) \
    F(S211, String, 10, 0) \
    F(S212, String, 10, 0) \
    F(S213, String, 10, 0) \
    F(S214, String, 10, 0) \
    F(S215, String, 10, 0) \
    F(S216, String, 10, 0) \
    F(S22, String, 15, 0) \
    F(S221, String, 10, 0) \
    F(S222, String, 10, 0) \
    F(S223, String, 10, 0) \
    F(S224, String, 10, 0) \
    F(S225, String, 10, 0) \
    F(S226, String, 10, 0) \
    F(S23, String, 15, 0) \
    F(S231, String, 10, 0) \
    F(S232, String, 10, 0) \
    F(S233, String, 10, 0) \
    F(S234, String, 10, 0) \
    F(S235, String, 10, 0) \
    F(S236, String, 10, 0) \
    F(S24, String, 15, 0) \
    F(S241, String, 10, 0) \
    F(S242, String, 10, 0) \
    F(S243, String, 10, 0) \
    F(S244, String, 10, 0) \
    F(S245, String, 10, 0) \
    F(S246, String, 10, 0) \
    F(S25, String, 15, 0) \
    F(S251, String, 10, 0) \
    F(S252, String, 10, 0) \
    F(S253, String, 10, 0) \
    F(S254, String, 10, 0) \
    F(S255, String, 10, 0) \
    F(S256, String, 10, 0) \
    F(P1, String, 32, 0) \
    F(P2, String, 32, 0) \
    F(P3, String, 32, 0) \
    F(P4, String, 32, 0)

namespace FR3 {
#define VETDOCS_FIELD_NAME(name, ...) name,
enum Field : int { VETDOCS_FR3_FIELDS(VETDOCS_FIELD_NAME) FieldCount };
#undef VETDOCS_FIELD_NAME

enum Key : int { K1, K2, K3 };

const RecordLayout& layout();
}  // namespace FR3
