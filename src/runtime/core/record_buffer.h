#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include "runtime/core/record_layout.h"

// How a value was taken into a field.
enum class SetResult {
    Ok,
    Truncated,    // text longer than the field: the field holds its first characters
    Unencodable,  // a character the code page cannot hold: the field is unchanged
    OutOfRange,   // a number the field cannot hold: the field is unchanged
};

// One record's image with typed access by field index (FR3::NFORM ...).
class RecordBuffer {
public:
    explicit RecordBuffer(const RecordLayout& layout);

    const RecordLayout& layout() const { return *layout_; }
    const QByteArray& image() const { return image_; }
    // False when the image has another length than the layout.
    bool setImage(const QByteArray& image);

    // Texts blank, numbers zero.
    void clear();
    bool isBlank(int field) const;  // all spaces, or zero

    // A text field without its trailing blanks.
    QString text(int field) const;
    // A text field at its full width.
    QString paddedText(int field) const;
    SetResult setText(int field, QStringView value);

    // Numbers: Byte, Long, Decimal. scaled() is the value times 10^places.
    qint64 scaled(int field) const;
    SetResult setScaled(int field, qint64 scaled);
    qint64 integer(int field) const { return scaled(field); }  // for fields without places
    SetResult setInteger(int field, qint64 value);
    double number(int field) const;
    SetResult setNumber(int field, double value);  // rounded to the field's places

    // Text for String fields, qint64 for whole numbers, double for Decimal
    // with places.
    QVariant value(int field) const;
    SetResult setValue(int field, const QVariant& value);

    // Bytes of one field, as stored.
    QByteArray rawField(int field) const;

    bool operator==(const RecordBuffer& other) const { return image_ == other.image_; }

private:
    const Field& f(int field) const { return layout_->field(field); }

    const RecordLayout* layout_;
    QByteArray image_;
};
