#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

#include "runtime/storage/table_def.h"

// Small tables for the storage tests.
//
// NOTE: a record with a number, a date, a name and a long text, keyed on
// each of the first three (duplicates allowed).
namespace Note {
enum Field : int { NUM, DAY, NAME, BODY, FLAG };
enum Key : int { ByNum, ByName, ByDay };
const RecordLayout& layout();
TableDef def(std::function<QString()> path);
}  // namespace Note

// ORG -> DEPT (by KOD) -> STAFF (by the department's NAME), both cascading.
namespace Org {
enum Field : int { KOD, NAME };
}
namespace Dept {
enum Field : int { KOD, NAME };
enum Key : int { ByKod, ByName };
}  // namespace Dept
namespace Staff {
enum Field : int { DEPT, NAME };
}
// The three tables in the given folder as org.dat, dept.dat, staff.dat.
Schema orgSchema(const QString& folder);

QByteArray fileBytes(const QString& path);
// Overwrites the first page of an index (key0, key1 ...) or of "records" with
// garbage, as a crash or a bad disk leaves it, and marks the file changed
// so that open connections read it anew.
void damagePage(const QString& path, const char* object);
// Drops an index, as a tool that "cleans up" a file might.
void dropIndex(const QString& path, const char* index);
// Runs a statement on the file behind the table's back.
void alterFile(const QString& path, const char* statement);
// Whether this process holds the file open.
bool isFileOpen(const QString& path);

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
