#pragma once

#include <QString>

#include "runtime/core/shared_value.h"

// Values shared by every window of the process. None of them is stored;
// all start blank or 0. A print or report run takes the ones it depends on
// when it starts.

// Number of the certificate highlighted last in a register; the prints
// select by it.
extern Shared<qint64> nform;
// Whole-form shift in millimetres, -50 to 50, applied to every print.
extern Shared<int> AX;
extern Shared<int> AY;
// Period and status of the issued-certificates report; D1 is also the
// register's "today".
extern Shared<qint32> D1;
extern Shared<qint32> D2;
extern Shared<QString> COMMENT;
// Number of records in the certificate table, as the register last counted.
extern Shared<qint64> KOL_FORM;
// 1 while a register shows the fuzzy order.
extern Shared<int> FUZZYMATCHED;
// The register's filter handed to the register report, and its first 60
// characters for the report's heading.
extern Shared<QString> GLO_REPORTQUERYRESULT;
extern Shared<QString> ZAPROS;

constexpr int kShiftLimit = 50;
