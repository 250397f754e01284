#pragma once

#include <QByteArray>
#include <vector>

#include "runtime/storage/key_column.h"
#include "runtime/storage/stored_record.h"
#include "runtime/storage/table_def.h"

class SqlStatement;
class TableFile;

// The records of one table as one schema of a connection: the connection's
// own file ("main") or a file attached to it for a cascade. Every call
// answers an SQLite result code (see storageErrorText).
class RecordStore {
public:
    RecordStore(TableFile& file, const TableDef& def, QByteArray schema, bool readOnly);

    const TableDef& def() const { return def_; }

    int insert(const QByteArray& image, qint64& position);
    int update(qint64 position, const QByteArray& image);
    int remove(qint64 position);
    int fetch(qint64 position, QByteArray& image);
    // Records whose key column equals value, in key order, at most limit.
    int withKey(int key, const KeyColumn& value, int limit, std::vector<StoredRecord>& out);
    int count(qint64& records);
    // The largest value in a number key; 0 when the key is empty.
    int highest(int key, qint64& value);
    // One page, in reading order (descending when backward).
    int read(const ReadRequest& request, std::vector<StoredRecord>& out);
    // Counts every key through its index alone, so that a damaged index
    // answers SQLITE_CORRUPT without reading the records.
    int scanKeys();
    // Reads and decodes every record without the keys.
    int scanRecords();
    // The records whose key columns do not hold what their images give,
    // and each of those set right.
    int findWrongKeyValues(std::vector<qint64>& positions);
    int rewriteKeyValues(const std::vector<qint64>& positions);

private:
    QByteArray keyColumnName(int key) const;
    void bindKeys(SqlStatement& statement, int firstIndex, const QByteArray& image) const;
    int collect(SqlStatement& statement, std::vector<StoredRecord>& out) const;
    int readStored(const ReadRequest& request, std::vector<StoredRecord>& out);
    int readAfter(const ReadRequest& request, std::vector<StoredRecord>& out);
    int readRange(int key, bool backward, const char* op, const KeyColumn& bound, int limit,
                  std::vector<StoredRecord>& out);

    TableFile& file_;
    const TableDef& def_;
    QByteArray table_;  // "schema".records
    bool readOnly_;
};
