#pragma once

#include <QtGlobal>

// Signed packed decimal: the first half-byte holds the sign, the other
// 2*bytes-1 half-bytes the digits, most significant first. Values are passed
// scaled, as whole numbers of the field's smallest step (123.4 with one place
// is 1234).
namespace PackedDecimal {

// Largest scaled magnitude a field of this width holds (999 for two bytes).
qint64 maxScaled(int bytes);
// False, leaving out untouched, when the value does not fit.
bool encode(qint64 scaled, int bytes, char* out);
qint64 decode(const char* in, int bytes);

}  // namespace PackedDecimal
