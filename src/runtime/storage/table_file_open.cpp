#include <QDir>
#include <QFileInfo>

#include "runtime/storage/file_schema.h"
#include "runtime/storage/storage_error.h"
#include "runtime/storage/storage_hooks.h"
#include "runtime/storage/table_file.h"

namespace {

constexpr int kLockRecoveryMs = 10000;

int openConnection(const QString& path, int flags, sqlite3*& db) {
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        db = nullptr;
        return rc;
    }
    sqlite3_busy_timeout(db, kLockRecoveryMs);
    return SQLITE_OK;
}

// A read-only folder refuses the journal, and so every change, even when
// the file itself may be written.
bool writeRefused(const QString& path) {
    const QFileInfo file(path);
    return StorageHooks::denyWrite(path) || !file.isWritable() ||
           !QFileInfo(file.absolutePath()).isWritable();
}

QString creationErrorText(const QString& path, int result) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("папка «%1» не найдена").arg(QDir::toNativeSeparators(folder));
    return storageErrorText(result);
}

int insertMeta(sqlite3* db, const TableDef& def) {
    sqlite3_stmt* meta = nullptr;
    int rc = sqlite3_prepare_v2(
        db, "INSERT INTO meta SELECT ?1, ?2, ?3 WHERE NOT EXISTS (SELECT 1 FROM meta)", -1, &meta,
        nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray texts[] = {def.layout->label().toUtf8(), def.layout->signature().toUtf8(),
                                    FileSchema::keysSignature(def).toUtf8()};
        for (int i = 0; i < 3; ++i)
            sqlite3_bind_text(meta, i + 1, texts[i].constData(), -1, SQLITE_TRANSIENT);
        rc = sqlite3_step(meta) == SQLITE_DONE ? SQLITE_OK : sqlite3_errcode(db);
    }
    sqlite3_finalize(meta);
    return rc;
}

// The connection to an existing file: read-only after "Access Denied" when
// write access is refused; null after a fatal message.
sqlite3* connect(const QString& path, const QString& messageName, ErrorManager& errors,
                 bool& readOnly) {
    sqlite3* db = nullptr;
    readOnly = writeRefused(path) || openConnection(path, SQLITE_OPEN_READWRITE, db) != SQLITE_OK;
    // SQLite opens a write-protected file read-only without a word.
    if (db && sqlite3_db_readonly(db, "main") == 1) readOnly = true;
    if (!readOnly) return db;
    errors.report(ErrorCode::AccessDenied, messageName, {});
    if (db) return db;
    const int rc = openConnection(path, SQLITE_OPEN_READONLY, db);
    if (rc != SQLITE_OK) errors.report(ErrorCode::OpenError, messageName, storageErrorText(rc));
    return db;
}

// The file is never touched; the user is told how to go on without losing it.
QString foreignFileHint(const QString& path) {
    return QStringLiteral(
               "|Файл %1 оставлен как есть. Чтобы начать с новой пустой таблицы, "
               "переименуйте или перенесите его")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace

int TableFile::create(const TableDef& def, const QString& path) {
    if (StorageHooks::denyWrite(path)) return SQLITE_READONLY;
    sqlite3* db = nullptr;
    int rc = openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, db);
    if (rc != SQLITE_OK) return rc;
    // Another station may be creating the same file: whoever comes second
    // finds everything in place.
    const QByteArray script =
        "PRAGMA journal_mode = DELETE; BEGIN IMMEDIATE;" + FileSchema::creationScript(def);
    rc = sqlite3_exec(db, script.constData(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = insertMeta(db, def);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

QString TableFile::foreignReason() {
    const QString label = def_.layout->label();
    SqlStatement meta = prepare("SELECT label, signature, keys FROM main.meta");
    const int rc = meta.step();
    // Not a database, or one without our "meta".
    if (rc == SQLITE_NOTADB || rc == SQLITE_ERROR || rc == SQLITE_DONE)
        return QStringLiteral("файл не является таблицей %1").arg(label);
    if (rc != SQLITE_ROW) return storageErrorText(rc);
    if (meta.text(0) != label)
        return QStringLiteral("файл принадлежит таблице %1, а не %2").arg(meta.text(0), label);
    if (meta.text(1) != def_.layout->signature())
        return QStringLiteral("записи файла устроены иначе, чем записи таблицы %1").arg(label);
    if (meta.text(2) != FileSchema::keysSignature(def_))
        return QStringLiteral("ключи файла не совпадают с ключами таблицы %1").arg(label);
    return {};
}

std::unique_ptr<TableFile> TableFile::open(const TableDef& def, const QString& path,
                                           const QString& messageName, ErrorManager& errors) {
    // An empty file is one whose creation never got as far as its tables.
    const QFileInfo info(path);
    const bool creating = !info.exists() || info.size() == 0;
    if (creating) {
        const int rc = create(def, path);
        if (rc != SQLITE_OK) {
            errors.report(ErrorCode::CreateError, messageName, creationErrorText(path, rc));
            return nullptr;
        }
    }
    bool readOnly = false;
    sqlite3* db = connect(path, messageName, errors, readOnly);
    if (!db) return nullptr;
    std::unique_ptr<TableFile> file(new TableFile(db, def, messageName, errors, readOnly));
    if (const QString reason = file->foreignReason(); !reason.isEmpty()) {
        errors.report(ErrorCode::OpenError, messageName, reason + foreignFileHint(path));
        return nullptr;
    }
    file->execute("PRAGMA main.journal_mode = DELETE; PRAGMA main.synchronous = FULL;");
    const int rc = file->records().scanKeys();
    if (rc == SQLITE_CORRUPT) {
        if (!file->repairKeys()) return nullptr;
    } else if (rc != SQLITE_OK) {
        file->report(ErrorCode::OpenError, rc);
        return nullptr;
    }
    if (creating && !file->isReadOnly() && def.initialRecords) file->addInitialRecords();
    return file;
}

void TableFile::addInitialRecords() {
    // Two stations creating the file at once must not both add them.
    if (begin() != SQLITE_OK) return;
    qint64 existing = 0;
    int rc = records().count(existing);
    for (const QByteArray& image : def_.initialRecords()) {
        qint64 position = 0;
        if (rc != SQLITE_OK || existing > 0) break;
        rc = records().insert(image, position);
    }
    if (rc == SQLITE_OK) rc = commit();
    if (rc != SQLITE_OK) rollback();
}
