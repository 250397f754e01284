#pragma once

#include <QString>

#include "runtime/core/record_buffer.h"

// The blank's date line: day, month in words and two-digit year, which is
// what prints, kept in step with the certificate's issue date.
namespace DateBlock {

// The month in the genitive, as written after the day: 7 -> "июля".
QString monthWord(int month);

// Sets FR3:DAY, FR3:MES and FR3:GOD from FR3:DATAV. Without a date the day
// and year become 0 and the month word stays as it is.
void derive(RecordBuffer& certificate);

}  // namespace DateBlock
