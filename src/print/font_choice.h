#pragma once

#include <QFont>
#include <QString>

#include "runtime/core/record_buffer.h"
#include "runtime/core/shared_value.h"

// The font chooser's program-wide values: the last print font chosen in
// this run, shared by every profile list the user opens. Blank and 0 until
// the first choice.
extern Shared<QString> TYPEFACE;
extern Shared<qint32> FONTSIZE;
extern Shared<qint32> FONTCOLOR;
extern Shared<qint32> FONTSTYLE;
extern Shared<qint32> CHARSET;

// A font chosen for printing, as the profile stores it.
namespace FontChoice {

inline constexpr qint32 kCyrillicCharset = 204;

// The stored name marks a face with Cyrillic letters: " Cyr" is appended
// unless the name already ends in "Cyr" (letter case counts), and the
// result cut to the 31 characters LAS:TYPEFACE holds.
QString withCyr(const QString& chosen);

// Keeps the chosen font in the five values. The system's chooser has no
// colour, so the colour is the one the profile prints in.
void remember(const QFont& chosen, qint32 colourWord);

// Copies the five values into the profile's font fields, the name with the
// Cyr rule.
void copyInto(RecordBuffer& profile);

// The font the chooser opens on: the profile's own, as installed here.
QFont ofProfile(const RecordBuffer& profile);

}  // namespace FontChoice
