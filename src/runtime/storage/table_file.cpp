#include "runtime/storage/table_file.h"

#include "runtime/storage/storage_error.h"

TableFile::TableFile(sqlite3* db, const TableDef& def, const QString& messageName,
                     ErrorManager& errors, bool readOnly)
    : db_(db),
      def_(def),
      messageName_(messageName),
      errors_(errors),
      readOnly_(readOnly),
      records_(*this, def, "main", readOnly) {}

TableFile::~TableFile() {
    for (sqlite3_stmt* statement : std::as_const(statements_))
        sqlite3_finalize(statement);
    const int rc = sqlite3_close(db_);
    if (rc != SQLITE_OK) {
        report(ErrorCode::CloseError, rc);
        sqlite3_close_v2(db_);
    }
}

SqlStatement TableFile::prepare(const QByteArray& sql) {
    if (sqlite3_stmt* cached = statements_.value(sql)) return {cached, SQLITE_OK};
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v3(db_, sql.constData(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(statement);
        return {nullptr, rc};
    }
    statements_.insert(sql, statement);
    return {statement, SQLITE_OK};
}

int TableFile::execute(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

int TableFile::begin() {
    const int rc = execute(depth_ == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT nested");
    if (rc == SQLITE_OK) ++depth_;
    return rc;
}

int TableFile::commit() {
    const int rc = execute(depth_ == 1 ? "COMMIT" : "RELEASE nested");
    if (rc != SQLITE_OK) {
        rollback();
        return rc;
    }
    --depth_;
    return SQLITE_OK;
}

void TableFile::rollback() {
    execute(depth_ == 1 ? "ROLLBACK" : "ROLLBACK TO nested; RELEASE nested");
    --depth_;
}

RecordStore* TableFile::attached(const QString& label) {
    for (const auto& store : attached_)
        if (store->def().layout->label() == label) return store.get();
    return nullptr;
}

RecordStore* TableFile::attach(const TableDef& def, const QString& path, bool readOnly,
                               int& result) {
    if (RecordStore* store = attached(def.layout->label())) return store;
    const QByteArray schema = "t_" + def.layout->label().toLatin1();
    result = prepare("ATTACH DATABASE ?1 AS \"" + schema + '"').bindText(1, path).run();
    if (result == SQLITE_OK) {
        const QByteArray pragmas = "PRAGMA \"" + schema + "\".journal_mode = DELETE; PRAGMA \"" +
                                   schema + "\".synchronous = FULL;";
        result = execute(pragmas.constData());
    }
    if (result != SQLITE_OK) return nullptr;
    attached_.push_back(std::make_unique<RecordStore>(*this, def, schema, readOnly));
    return attached_.back().get();
}

qint64 TableFile::dataVersion() {
    // data_version moves with the commits of other connections, the change
    // count with this one's own.
    SqlStatement statement = prepare("PRAGMA main.data_version");
    const qint64 others = statement.step() == SQLITE_ROW ? statement.integer(0) : 0;
    return (others << 32) + sqlite3_total_changes64(db_);
}

void TableFile::report(ErrorCode code, int result) {
    errors_.report(code, messageName_, storageErrorText(result));
}
