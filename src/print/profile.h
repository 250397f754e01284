#pragma once

#include "runtime/core/record_buffer.h"
#include "runtime/report/report_font.h"
#include "runtime/storage/table_access.h"

// The print layout profile: a LAST record with the place of every printed
// value and the one print font.
namespace Profile {

// Loads the active profile, the one with the lowest LAS:NFORM, into the
// table's buffer. With no profile the buffer is left cleared (every position
// 0, no font) and the answer is false; nothing is reported.
bool readActive(TableAccess& last);

// The profile's print font (typeface, size, style word, colour word).
FontSpec font(const RecordBuffer& profile);

}  // namespace Profile
