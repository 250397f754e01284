#pragma once

#include <QByteArray>
#include <QString>

#include "runtime/storage/table_def.h"

// What a table file holds: the table "meta" with the table's label, its
// record layout and its keys, so that a file of another table or layout is
// recognised; the table "records" with the packed image and one column per
// key (k0, k1 ...); and for each key an index (key0, key1 ...) over the
// records the key holds.
namespace FileSchema {

// The keys as stored in "meta": their fields and which are unique.
QString keysSignature(const TableDef& def);
// Creates the tables and indexes that are still missing.
QByteArray creationScript(const TableDef& def);
QByteArray indexStatement(const TableDef& def, int key);

}  // namespace FileSchema
