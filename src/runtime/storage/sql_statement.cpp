#include "runtime/storage/sql_statement.h"

SqlStatement::~SqlStatement() {
    if (!statement_) return;
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

SqlStatement& SqlStatement::bind(int index, qint64 value) {
    if (statement_) sqlite3_bind_int64(statement_, index, value);
    return *this;
}

SqlStatement& SqlStatement::bindBlob(int index, QByteArrayView blob) {
    // An empty blob must still be a blob, not NULL.
    if (statement_)
        sqlite3_bind_blob64(statement_, index, blob.data() ? blob.data() : "", blob.size(),
                            SQLITE_TRANSIENT);
    return *this;
}

SqlStatement& SqlStatement::bindText(int index, const QString& text) {
    if (statement_) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text64(statement_, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
    }
    return *this;
}

SqlStatement& SqlStatement::bind(int index, const KeyColumn& key) {
    if (!statement_) return *this;
    switch (key.kind) {
        case KeyColumn::Absent:
            sqlite3_bind_null(statement_, index);
            break;
        case KeyColumn::Number:
            sqlite3_bind_int64(statement_, index, key.number);
            break;
        case KeyColumn::Text:
            bindBlob(index, key.text);
            break;
    }
    return *this;
}

int SqlStatement::step() {
    return statement_ ? sqlite3_step(statement_) : prepareResult_;
}

int SqlStatement::run() {
    int rc;
    while ((rc = step()) == SQLITE_ROW) {
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

QByteArrayView SqlStatement::blob(int column) const {
    const void* data = sqlite3_column_blob(statement_, column);
    return {static_cast<const char*>(data), sqlite3_column_bytes(statement_, column)};
}

QString SqlStatement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(statement_, column));
}

KeyColumn SqlStatement::keyColumn(int column) const {
    switch (sqlite3_column_type(statement_, column)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return {KeyColumn::Number, integer(column), {}};
        default:
            return {KeyColumn::Text, 0, blob(column).toByteArray()};
    }
}
