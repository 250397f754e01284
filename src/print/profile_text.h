#pragma once

#include <QString>
#include <QStringView>

#include "runtime/core/record_buffer.h"

// A print layout profile as text, one "NAME = value" line per field of
// LAS:RECORD in record order: names without the prefix, positions with one
// decimal, texts as they are. Used to keep a calibration aside and to
// carry it to another office.
namespace ProfileText {

QString write(const RecordBuffer& profile);

// Sets the fields the text names; blank lines and lines starting with '#'
// are passed over. NFORM, the profile's key value, may only be repeated. Answers the first fault,
// naming its line, and leaves the profile untouched then; empty on success.
QString read(QStringView text, RecordBuffer& profile);

}  // namespace ProfileText
