#include "runtime/storage/key_column.h"

#include <cmath>

#include "runtime/core/cp1251.h"

KeyColumn keyColumn(const RecordBuffer& record, int field) {
    const Field& f = record.layout().field(field);
    if (f.type == FieldType::String) {
        const char* p = record.image().constData() + f.offset;
        int length = f.size;
        while (length > 0 && p[length - 1] == ' ')
            --length;
        if (length == 0) return {};
        return {KeyColumn::Text, 0, Cp1251::upper(QByteArray(p, length))};
    }
    const qint64 scaled = record.scaled(field);
    if (scaled == 0) return {};
    return {KeyColumn::Number, scaled, {}};
}

KeyColumn keyColumn(const RecordLayout& layout, int field, const QVariant& value) {
    RecordBuffer record(layout);
    // A value the field cannot hold leaves it blank, and so out of the key.
    record.setValue(field, value);
    return keyColumn(record, field);
}

QVariant keyVariant(const Field& field, const KeyColumn& column) {
    switch (column.kind) {
        case KeyColumn::Absent:
            return {};
        case KeyColumn::Text:
            return Cp1251::decode(column.text);
        case KeyColumn::Number:
            if (field.places == 0) return column.number;
            return static_cast<double>(column.number) / std::pow(10.0, field.places);
    }
    return {};
}
