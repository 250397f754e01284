#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "runtime/core/error_manager.h"
#include "runtime/storage/record_store.h"
#include "runtime/storage/sql_statement.h"
#include "runtime/storage/table_def.h"

// One open table file: an SQLite connection with a rollback journal (data
// folders may sit on network shares), full syncs and the 10-second lock
// recovery as busy timeout. Failures of opening, repairing and closing are
// reported through the error manager; the rest answer result codes.
class TableFile {
public:
    // Opens the table's file, creating it when missing: read-only after
    // "Access Denied" when write access is refused, keys rebuilt after
    // "Invalid Key" when an index is damaged. Null after a fatal message; a
    // file that is not this table's is never written to.
    static std::unique_ptr<TableFile> open(const TableDef& def, const QString& path,
                                           const QString& messageName, ErrorManager& errors);
    ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    bool isReadOnly() const { return readOnly_; }
    RecordStore& records() { return records_; }

    // Transactions nest; the outermost takes the write lock at once and
    // commits. A failed commit rolls back.
    int begin();
    int commit();
    void rollback();

    // Makes another table's file part of this connection, so that its
    // records change in this file's transactions. Outside a transaction.
    RecordStore* attach(const TableDef& def, const QString& path, bool readOnly, int& result);
    RecordStore* attached(const QString& label);

    // Reports "Invalid Key" and rebuilds the keys; "Key was not built" and
    // false when that fails.
    bool repairKeys();
    // The full check of the check command; reports as opening does.
    bool checkIntegrity();
    qint64 dataVersion();

    SqlStatement prepare(const QByteArray& sql);
    qint64 lastInsertPosition() const { return sqlite3_last_insert_rowid(db_); }
    int changes() const { return sqlite3_changes(db_); }

private:
    int execute(const char* sql);
    // Adds the table's initial records to a file just created and still empty.
    void addInitialRecords();
    void report(ErrorCode code, int result);
    TableFile(sqlite3* db, const TableDef& def, const QString& messageName, ErrorManager& errors,
              bool readOnly);
    static int create(const TableDef& def, const QString& path);
    QString foreignReason();
    int rebuildKeys();
    int replaceKeys();
    QString integrityProblem(int& result);
    bool mendKeyValues();

    sqlite3* db_;
    const TableDef& def_;
    QString messageName_;
    ErrorManager& errors_;
    bool readOnly_;
    int depth_ = 0;
    RecordStore records_;
    std::vector<std::unique_ptr<RecordStore>> attached_;
    QHash<QByteArray, sqlite3_stmt*> statements_;
};
