#pragma once

#include <vector>

#include "runtime/storage/table_access.h"
#include "runtime/storage/table_def.h"

class TableSet;

// The relation object of one table: opens and closes it with its related
// tables, and changes and deletes through it with the cascades applied.
class TableRelation {
public:
    TableRelation(TableAccess& access, TableSet& set);

    TableAccess& access() { return access_; }

    // Opens the table's file; related tables are opened only when one of
    // their records is first touched.
    bool open();
    // Undoes one open; the last one also closes the related tables this
    // object opened.
    void close();

    // Insert the buffer.
    bool insert();
    // Write the buffer back; children follow a changed link field. One
    // transaction.
    bool update();
    // Delete the record in the buffer and, through their own relations, its
    // children. One transaction.
    bool remove();

private:
    enum class Rule { Update, Delete };

    // Whether a cascade by the rule must visit children of this record.
    bool reachesChildren(Rule rule, const RecordBuffer& stored) const;
    // Opens the tables a cascade by the rule can reach and attaches them to
    // this table's connection (ATTACH cannot run inside a transaction).
    bool openRelated(Rule rule);
    bool fail(int result, const QString& where);

    TableAccess& access_;
    TableSet& set_;
    std::vector<TableAccess*> related_;  // opened by this object
};
