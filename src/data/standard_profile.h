#pragma once

#include <QByteArray>

// The profile a new LAST.DAT starts with: number 1, the standard laser
// printer, every position at the base place of the print layouts, Arial Cyr
// 10 black.
QByteArray standardProfile();
