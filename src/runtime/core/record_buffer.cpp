#include "runtime/core/record_buffer.h"

#include <cmath>
#include <cstring>

#include "runtime/core/cp1251.h"
#include "runtime/core/packed_decimal.h"

RecordBuffer::RecordBuffer(const RecordLayout& layout)
    : layout_(&layout), image_(layout.length(), ' ') {
    clear();
}

bool RecordBuffer::setImage(const QByteArray& image) {
    if (image.size() != layout_->length()) return false;
    image_ = image;
    return true;
}

void RecordBuffer::clear() {
    char* data = image_.data();
    for (const Field& fd : layout_->fields()) {
        if (fd.type == FieldType::String)
            std::memset(data + fd.offset, ' ', fd.size);
        else if (fd.type == FieldType::Decimal)
            PackedDecimal::encode(0, fd.size, data + fd.offset);
        else
            std::memset(data + fd.offset, 0, fd.size);
    }
}

bool RecordBuffer::isBlank(int field) const {
    const Field& fd = f(field);
    if (fd.type != FieldType::String) return scaled(field) == 0;
    const char* p = image_.constData() + fd.offset;
    for (int i = 0; i < fd.size; ++i)
        if (p[i] != ' ') return false;
    return true;
}

QString RecordBuffer::text(int field) const {
    const Field& fd = f(field);
    if (fd.type != FieldType::String) return QString::number(number(field));
    const char* p = image_.constData() + fd.offset;
    int n = fd.size;
    while (n > 0 && p[n - 1] == ' ') --n;
    return Cp1251::decode(p, n);
}

QString RecordBuffer::paddedText(int field) const {
    const Field& fd = f(field);
    if (fd.type != FieldType::String) return text(field);
    return Cp1251::decode(image_.constData() + fd.offset, fd.size);
}

SetResult RecordBuffer::setText(int field, QStringView value) {
    const Field& fd = f(field);
    if (fd.type != FieldType::String) {
        bool ok = false;
        const double number = value.trimmed().isEmpty() ? 0 : value.toDouble(&ok);
        if (!ok && !value.trimmed().isEmpty()) return SetResult::OutOfRange;
        return setNumber(field, number);
    }
    const bool cut = value.size() > fd.size;
    const auto bytes = Cp1251::encode(value.left(fd.size));
    if (!bytes) return SetResult::Unencodable;
    char* p = image_.data() + fd.offset;
    std::memset(p, ' ', fd.size);
    std::memcpy(p, bytes->constData(), bytes->size());
    return cut ? SetResult::Truncated : SetResult::Ok;
}

qint64 RecordBuffer::scaled(int field) const {
    const Field& fd = f(field);
    const char* p = image_.constData() + fd.offset;
    switch (fd.type) {
        case FieldType::Byte:
            return static_cast<unsigned char>(p[0]);
        case FieldType::Long: {
            quint32 v = 0;
            for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
            return static_cast<qint32>(v);
        }
        case FieldType::Decimal:
            return PackedDecimal::decode(p, fd.size);
        case FieldType::String:
            break;
    }
    return 0;
}

SetResult RecordBuffer::setScaled(int field, qint64 value) {
    const Field& fd = f(field);
    char* p = image_.data() + fd.offset;
    switch (fd.type) {
        case FieldType::Byte:
            if (value < 0 || value > 255) return SetResult::OutOfRange;
            p[0] = static_cast<char>(value);
            return SetResult::Ok;
        case FieldType::Long: {
            if (value < INT32_MIN || value > INT32_MAX) return SetResult::OutOfRange;
            auto v = static_cast<quint32>(static_cast<qint32>(value));
            for (int i = 0; i < 4; ++i, v >>= 8) p[i] = static_cast<char>(v & 0xFF);
            return SetResult::Ok;
        }
        case FieldType::Decimal:
            return PackedDecimal::encode(value, fd.size, p) ? SetResult::Ok : SetResult::OutOfRange;
        case FieldType::String:
            return setText(field, QString::number(value));
    }
    return SetResult::OutOfRange;
}

SetResult RecordBuffer::setInteger(int field, qint64 value) {
    qint64 scale = 1;
    for (int i = 0; i < f(field).places; ++i) scale *= 10;
    return setScaled(field, value * scale);
}

double RecordBuffer::number(int field) const {
    const Field& fd = f(field);
    if (fd.type == FieldType::String) return text(field).toDouble();
    return static_cast<double>(scaled(field)) / std::pow(10.0, fd.places);
}

SetResult RecordBuffer::setNumber(int field, double value) {
    const Field& fd = f(field);
    if (fd.type == FieldType::String) return setText(field, QString::number(value));
    const double scaledValue = std::round(value * std::pow(10.0, fd.places));
    if (!std::isfinite(scaledValue) || std::fabs(scaledValue) > 9.0e18) return SetResult::OutOfRange;
    return setScaled(field, static_cast<qint64>(scaledValue));
}

QVariant RecordBuffer::value(int field) const {
    const Field& fd = f(field);
    if (fd.type == FieldType::String) return text(field);
    if (fd.places > 0) return number(field);
    return scaled(field);
}

SetResult RecordBuffer::setValue(int field, const QVariant& value) {
    if (f(field).type == FieldType::String) return setText(field, value.toString());
    if (value.typeId() == QMetaType::QString) return setText(field, value.toString());
    if (f(field).places > 0) return setNumber(field, value.toDouble());
    return setScaled(field, value.toLongLong());
}

QByteArray RecordBuffer::rawField(int field) const {
    return image_.mid(f(field).offset, f(field).size);
}
