#include "runtime/storage/record_store.h"

#include <limits>

#include "runtime/storage/image_codec.h"
#include "runtime/storage/sql_statement.h"
#include "runtime/storage/table_file.h"

RecordStore::RecordStore(TableFile& file, const TableDef& def, QByteArray schema, bool readOnly)
    : file_(file), def_(def), table_('"' + schema + "\".records"), readOnly_(readOnly) {}

QByteArray RecordStore::keyColumnName(int key) const {
    return 'k' + QByteArray::number(key);
}

void RecordStore::bindKeys(SqlStatement& statement, int firstIndex, const QByteArray& image) const {
    RecordBuffer record(*def_.layout);
    record.setImage(image);
    for (int key = 0; key < static_cast<int>(def_.keys.size()); ++key)
        statement.bind(firstIndex + key, keyColumn(record, def_.keys[key].field));
}

int RecordStore::insert(const QByteArray& image, qint64& position) {
    if (readOnly_) return SQLITE_READONLY;
    QByteArray columns = "image";
    QByteArray values = "?1";
    for (int key = 0; key < static_cast<int>(def_.keys.size()); ++key) {
        columns += ", " + keyColumnName(key);
        values += ", ?" + QByteArray::number(key + 2);
    }
    SqlStatement statement =
        file_.prepare("INSERT INTO " + table_ + " (" + columns + ") VALUES (" + values + ")");
    statement.bindBlob(1, ImageCodec::pack(image));
    bindKeys(statement, 2, image);
    const int rc = statement.run();
    if (rc == SQLITE_OK) position = file_.lastInsertPosition();
    return rc;
}

int RecordStore::update(qint64 position, const QByteArray& image) {
    if (readOnly_) return SQLITE_READONLY;
    QByteArray assignments = "image = ?1";
    for (int key = 0; key < static_cast<int>(def_.keys.size()); ++key)
        assignments += ", " + keyColumnName(key) + " = ?" + QByteArray::number(key + 2);
    const int last = static_cast<int>(def_.keys.size()) + 2;
    SqlStatement statement = file_.prepare("UPDATE " + table_ + " SET " + assignments +
                                           " WHERE pos = ?" + QByteArray::number(last));
    statement.bindBlob(1, ImageCodec::pack(image)).bind(last, position);
    bindKeys(statement, 2, image);
    const int rc = statement.run();
    if (rc == SQLITE_OK && file_.changes() == 0) return SQLITE_NOTFOUND;
    return rc;
}

int RecordStore::remove(qint64 position) {
    if (readOnly_) return SQLITE_READONLY;
    SqlStatement statement = file_.prepare("DELETE FROM " + table_ + " WHERE pos = ?1");
    const int rc = statement.bind(1, position).run();
    if (rc == SQLITE_OK && file_.changes() == 0) return SQLITE_NOTFOUND;
    return rc;
}

int RecordStore::fetch(qint64 position, QByteArray& image) {
    SqlStatement statement = file_.prepare("SELECT image FROM " + table_ + " WHERE pos = ?1");
    const int rc = statement.bind(1, position).step();
    if (rc == SQLITE_DONE) return SQLITE_NOTFOUND;
    if (rc != SQLITE_ROW) return rc;
    return ImageCodec::unpack(statement.blob(0), def_.layout->length(), image) ? SQLITE_OK
                                                                               : SQLITE_CORRUPT;
}

int RecordStore::collect(SqlStatement& statement, std::vector<StoredRecord>& out) const {
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW) {
        StoredRecord record{statement.integer(0), {}};
        if (!ImageCodec::unpack(statement.blob(1), def_.layout->length(), record.image))
            return SQLITE_CORRUPT;
        out.push_back(std::move(record));
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int RecordStore::withKey(int key, const KeyColumn& value, int limit,
                         std::vector<StoredRecord>& out) {
    if (value.isAbsent()) return SQLITE_OK;
    const QByteArray column = keyColumnName(key);
    SqlStatement statement = file_.prepare("SELECT pos, image FROM " + table_ + " WHERE " + column +
                                           " = ?1 ORDER BY " + column + ", pos LIMIT ?2");
    statement.bind(1, value).bind(2, limit);
    return collect(statement, out);
}

int RecordStore::count(qint64& records) {
    SqlStatement statement = file_.prepare("SELECT count(*) FROM " + table_);
    const int rc = statement.step();
    if (rc != SQLITE_ROW) return rc;
    records = statement.integer(0);
    return SQLITE_OK;
}

int RecordStore::highest(int key, qint64& value) {
    const QByteArray column = keyColumnName(key);
    SqlStatement statement = file_.prepare("SELECT max(" + column + ") FROM " + table_ + " WHERE " +
                                           column + " IS NOT NULL");
    const int rc = statement.step();
    if (rc != SQLITE_ROW) return rc;
    value = statement.integer(0);
    return SQLITE_OK;
}

int RecordStore::read(const ReadRequest& request, std::vector<StoredRecord>& out) {
    if (request.key < 0) return readStored(request, out);
    if (request.after) return readAfter(request, out);
    const KeyColumn from =
        request.from ? keyColumn(*def_.layout, def_.keys[request.key].field, *request.from)
                     : KeyColumn{};
    if (from.isAbsent())
        return readRange(request.key, request.backward, nullptr, from, request.limit, out);
    return readRange(request.key, request.backward, request.backward ? "<=" : ">=", from,
                     request.limit, out);
}

int RecordStore::readStored(const ReadRequest& request, std::vector<StoredRecord>& out) {
    const qint64 after = request.after      ? request.after->position
                         : request.backward ? std::numeric_limits<qint64>::max()
                                            : 0;
    SqlStatement statement = file_.prepare(
        "SELECT pos, image FROM " + table_ +
        (request.backward ? " WHERE pos < ?1 ORDER BY pos DESC" : " WHERE pos > ?1 ORDER BY pos") +
        " LIMIT ?2");
    statement.bind(1, after).bind(2, request.limit);
    return collect(statement, out);
}

// Keyset paging: first the rest of the records that share the key value of
// the given one (they follow each other in stored order), then the records
// beyond that value. Both run on the key's index alone, however many
// duplicates there are.
int RecordStore::readAfter(const ReadRequest& request, std::vector<StoredRecord>& out) {
    RecordBuffer record(*def_.layout);
    record.setImage(request.after->image);
    const KeyColumn value = keyColumn(record, def_.keys[request.key].field);
    if (value.isAbsent()) {
        // Records out of the key sort before all others.
        if (request.backward) return SQLITE_OK;
        return readRange(request.key, false, nullptr, value, request.limit, out);
    }
    const QByteArray column = keyColumnName(request.key);
    SqlStatement same = file_.prepare(
        "SELECT pos, image FROM " + table_ + " WHERE " + column + " = ?1" +
        (request.backward ? " AND pos < ?2 ORDER BY pos DESC" : " AND pos > ?2 ORDER BY pos") +
        " LIMIT ?3");
    same.bind(1, value).bind(2, request.after->position).bind(3, request.limit);
    const int rc = collect(same, out);
    const int left = request.limit - static_cast<int>(out.size());
    if (rc != SQLITE_OK || left <= 0) return rc;
    return readRange(request.key, request.backward, request.backward ? "<" : ">", value, left, out);
}

// Records in key order whose key column compares by op with bound; every
// record in the key when op is null.
int RecordStore::readRange(int key, bool backward, const char* op, const KeyColumn& bound,
                           int limit, std::vector<StoredRecord>& out) {
    const QByteArray column = keyColumnName(key);
    const QByteArray condition = op ? column + ' ' + op + " ?1" : column + " IS NOT NULL";
    const QByteArray order = backward ? column + " DESC, pos DESC" : column + ", pos";
    SqlStatement statement = file_.prepare("SELECT pos, image FROM " + table_ + " WHERE " +
                                           condition + " ORDER BY " + order + " LIMIT ?2");
    if (op) statement.bind(1, bound);
    statement.bind(2, limit);
    return collect(statement, out);
}

int RecordStore::scanKeys() {
    for (int key = 0; key < static_cast<int>(def_.keys.size()); ++key) {
        // A key gone from the file is damaged like any other: built again.
        SqlStatement present =
            file_.prepare("SELECT 1 FROM main.sqlite_master WHERE type = 'index' AND name = 'key" +
                          QByteArray::number(key) + "'");
        const int found = present.step();
        if (found == SQLITE_DONE) return SQLITE_CORRUPT;
        if (found != SQLITE_ROW) return found;
        const QByteArray column = keyColumnName(key);
        SqlStatement statement =
            file_.prepare("SELECT count(*) FROM " + table_ + " INDEXED BY key" +
                          QByteArray::number(key) + " WHERE " + column + " IS NOT NULL");
        const int rc = statement.step();
        if (rc != SQLITE_ROW) return rc;
    }
    return SQLITE_OK;
}

int RecordStore::scanRecords() {
    SqlStatement statement = file_.prepare("SELECT pos, image FROM " + table_ + " NOT INDEXED");
    QByteArray image;
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW)
        if (!ImageCodec::unpack(statement.blob(1), def_.layout->length(), image))
            return SQLITE_CORRUPT;
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int RecordStore::findWrongKeyValues(std::vector<qint64>& positions) {
    QByteArray columns;
    for (int key = 0; key < static_cast<int>(def_.keys.size()); ++key)
        columns += ", " + keyColumnName(key);
    SqlStatement statement =
        file_.prepare("SELECT pos, image" + columns + " FROM " + table_ + " NOT INDEXED");
    RecordBuffer record(*def_.layout);
    QByteArray image;
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW) {
        if (!ImageCodec::unpack(statement.blob(1), def_.layout->length(), image))
            return SQLITE_CORRUPT;
        record.setImage(image);
        for (int key = 0; key < static_cast<int>(def_.keys.size()); ++key) {
            if (statement.keyColumn(key + 2) != keyColumn(record, def_.keys[key].field)) {
                positions.push_back(statement.integer(0));
                break;
            }
        }
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int RecordStore::rewriteKeyValues(const std::vector<qint64>& positions) {
    QByteArray image;
    for (const qint64 position : positions) {
        int rc = fetch(position, image);
        if (rc == SQLITE_OK) rc = update(position, image);
        if (rc != SQLITE_OK) return rc;
    }
    return SQLITE_OK;
}
