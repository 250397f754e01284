#pragma once

#include <QString>
#include <vector>

#include "runtime/core/record_buffer.h"
#include "runtime/storage/key_column.h"
#include "runtime/storage/stored_record.h"
#include "runtime/storage/table_def.h"

class RecordStore;
class TableFile;
class TableSet;

// The relation rules applied inside one transaction of the root table's
// connection, to which every table they reach is attached. Each call
// answers an SQLite result code; failedTable() then names the table.
class Cascade {
public:
    Cascade(TableSet& set, TableFile& root) : set_(set), root_(root) {}

    // Children of a record changing from before to after take its new link
    // values, and their own children follow in turn.
    int change(const TableDef& table, const RecordBuffer& before, const RecordBuffer& after);
    // Deletes the record after its children, each through its own rules.
    int remove(const TableDef& table, RecordStore& store, const StoredRecord& record);

    const QString& failedTable() const { return failedTable_; }

private:
    // Keeps the table of the first failure, which is the deepest.
    int noted(int result, const QString& label);
    int findChildren(const RelationDef& relation, const RecordBuffer& parent, RecordStore*& store,
                     std::vector<StoredRecord>& found);

    TableSet& set_;
    TableFile& root_;
    QString failedTable_;
};

// The parent's link value as the child's key holds it.
KeyColumn linkKey(const RelationDef& relation, const RecordBuffer& parent, const TableDef& child);
