#pragma once

#include <QString>

// The filling rules of the certificate's lines, shown as the long tooltips
// of the form's entries: rule 1 (the recipient) to rule 11 (special marks),
// one line of the blank's instructions per text line, blanks at line ends
// kept. Empty for another number.
QString fillingRule(int number);
