#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "runtime/storage/key_column.h"

// One use of a prepared statement kept by its connection. Leaving the scope
// resets it, so no statement stays active (and holds a lock on the file)
// between calls.
class SqlStatement {
public:
    SqlStatement(sqlite3_stmt* statement, int prepareResult)
        : statement_(statement), prepareResult_(prepareResult) {}
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    SqlStatement& bind(int index, qint64 value);
    SqlStatement& bindBlob(int index, QByteArrayView blob);
    SqlStatement& bindText(int index, const QString& text);
    SqlStatement& bind(int index, const KeyColumn& key);

    // SQLITE_ROW, SQLITE_DONE or the error; the preparation's error when it
    // failed.
    int step();
    // Steps to the end; SQLITE_OK when it got there.
    int run();

    qint64 integer(int column) const { return sqlite3_column_int64(statement_, column); }
    QByteArrayView blob(int column) const;
    QString text(int column) const;
    // A key column as bind(KeyColumn) stored it.
    KeyColumn keyColumn(int column) const;

private:
    sqlite3_stmt* statement_;
    int prepareResult_;
};
