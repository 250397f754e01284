#pragma once

#include "data/last.h"
#include "runtime/core/record_buffer.h"
#include "runtime/report/report_font.h"
#include "runtime/report/report_layout.h"
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

// The pair of profile fields that places one printed value.
struct Entry {
    LAS::Field x;
    LAS::Field y;
};

// Puts the control's top-left corner at the entry's X and Y and gives it the
// profile's font: style, typeface, size, colour and character set.
void apply(TextControl& control, const RecordBuffer& profile, Entry entry);

// The values a position field may take, in millimetres. The header lines
// keep to the band the blank leaves them; the others have no limit but the
// field's own.
struct Range {
    double minimum;
    double maximum;
};
Range positionRange(int field);

}  // namespace Profile
