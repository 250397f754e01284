#pragma once

#include <QByteArray>
#include <QVariant>

#include "runtime/core/record_buffer.h"

// A key's value as its indexed column holds it. Text is folded to upper case
// by the code page's rules and loses its trailing blanks, so that the column
// compares bytewise without regard to letter case; numbers are whole scaled
// numbers. A blank or zero field leaves the record out of the key.
struct KeyColumn {
    enum Kind { Absent, Number, Text };
    Kind kind = Absent;
    qint64 number = 0;
    QByteArray text;

    bool isAbsent() const { return kind == Absent; }
    bool operator==(const KeyColumn&) const = default;
};

KeyColumn keyColumn(const RecordBuffer& record, int field);
// The key column a value would have in the field (text as QString, numbers
// as RecordBuffer::setValue takes them).
KeyColumn keyColumn(const RecordLayout& layout, int field, const QVariant& value);
// The value as the table's users see it: text folded and clipped, numbers as
// RecordBuffer::value gives them; invalid when absent.
QVariant keyVariant(const Field& field, const KeyColumn& column);
