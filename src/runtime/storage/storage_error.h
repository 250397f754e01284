#pragma once

#include <QString>

// The text of an SQLite result code for %ErrorText. Besides SQLite's own
// codes the table layer answers SQLITE_NOTFOUND for a record that is gone,
// SQLITE_READONLY for a change of a table opened read-only, SQLITE_CORRUPT
// for a stored record that does not decode, SQLITE_MISUSE for a table that
// is not open and SQLITE_RANGE for a number its field cannot hold.
QString storageErrorText(int result);
