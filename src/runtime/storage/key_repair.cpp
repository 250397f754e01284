#include "runtime/storage/file_schema.h"
#include "runtime/storage/storage_error.h"
#include "runtime/storage/table_file.h"

bool TableFile::repairKeys() {
    errors_.report(ErrorCode::InvalidKey, messageName_, {});
    const int rc = rebuildKeys();
    if (rc != SQLITE_OK) {
        report(ErrorCode::KeyNotBuilt, rc);
        return false;
    }
    return true;
}

int TableFile::rebuildKeys() {
    if (readOnly_) return SQLITE_READONLY;
    // REINDEX mends an index whose entries are wrong, but it must walk the
    // old pages to free them, so an index with damaged pages is replaced.
    if (execute("REINDEX main.records") == SQLITE_OK && records_.scanKeys() == SQLITE_OK)
        return SQLITE_OK;
    const int rc = replaceKeys();
    return rc != SQLITE_OK ? rc : records_.scanKeys();
}

// Takes the indexes out of the schema without reading their pages, builds
// them anew from the records, and rewrites the file without the pages left
// behind.
int TableFile::replaceKeys() {
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
    int rc = begin();
    if (rc != SQLITE_OK) return rc;
    rc = execute(
        "PRAGMA writable_schema = ON;"
        "DELETE FROM main.sqlite_master WHERE type = 'index' AND tbl_name = 'records';"
        "PRAGMA writable_schema = RESET;");
    for (int key = 0; rc == SQLITE_OK && key < static_cast<int>(def_.keys.size()); ++key)
        rc = execute(FileSchema::indexStatement(def_, key).constData());
    if (rc != SQLITE_OK) {
        rollback();
        return rc;
    }
    rc = commit();
    return rc != SQLITE_OK ? rc : execute("VACUUM");
}

// The first problem PRAGMA integrity_check finds; empty when none, or when
// the check itself fails (result).
QString TableFile::integrityProblem(int& result) {
    SqlStatement check = prepare("PRAGMA main.integrity_check(1)");
    result = check.step();
    if (result != SQLITE_ROW) return {};
    result = SQLITE_OK;
    const QString verdict = check.text(0);
    return verdict == QLatin1String("ok") ? QString() : verdict;
}

// Key values written wrong into sound indexes (by a tool, or another program)
// put records out of their order; the images say what they must be.
bool TableFile::mendKeyValues() {
    std::vector<qint64> wrong;
    int rc = records_.findWrongKeyValues(wrong);
    if (rc == SQLITE_OK && wrong.empty()) return true;
    if (rc == SQLITE_OK) {
        errors_.report(ErrorCode::InvalidKey, messageName_, {});
        rc = readOnly_ ? SQLITE_READONLY : begin();
        if (rc == SQLITE_OK) rc = records_.rewriteKeyValues(wrong);
        if (rc == SQLITE_OK) rc = commit();
        if (rc == SQLITE_OK) return true;
        if (!readOnly_) rollback();
    }
    report(ErrorCode::KeyNotBuilt, rc);
    return false;
}

bool TableFile::checkIntegrity() {
    int rc = SQLITE_OK;
    QString problem = integrityProblem(rc);
    if (rc == SQLITE_OK && problem.isEmpty()) return mendKeyValues();
    // Keys can be built again from sound records; damaged records cannot.
    if (rc == SQLITE_OK && records_.scanRecords() == SQLITE_OK) {
        if (!repairKeys()) return false;
        problem = integrityProblem(rc);
        if (rc == SQLITE_OK && problem.isEmpty()) return mendKeyValues();
    }
    errors_.report(ErrorCode::OpenError, messageName_,
                   rc != SQLITE_OK
                       ? storageErrorText(rc)
                       : storageErrorText(SQLITE_CORRUPT) + QStringLiteral(": ") + problem);
    return false;
}
