#pragma once

#include <QString>

// The register report: the certificates the register's filter expression
// selects (all for a blank one), with the start of the expression in the
// heading. "d1" and "d2" in the expression are D1 and D2 as at the start.
void Rep_input11(const QString& filter);
