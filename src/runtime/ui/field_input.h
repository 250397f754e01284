#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <optional>

#include "runtime/core/picture.h"
#include "runtime/core/record_buffer.h"

// What became of text typed for a field.
struct InputAnswer {
    bool taken = true;  // false: the field is unchanged
    QString message;    // why it was refused, or what was changed on the way in
};

// Text shown for a value and text taken back, through a display picture
// when the control has one; no widgets, so forms and tests share it.
namespace FieldInput {

// The picture of a control; nothing for a blank or unknown code.
std::optional<Picture> pictureOf(const QString& code);

QString display(const QVariant& value, const std::optional<Picture>& picture);

// The typed text as a value, or the reason it is not one.
Picture::ParseResult read(QStringView text, const std::optional<Picture>& picture);

// Takes the typed text into the record's field. Refused when the picture
// does not read it or the field cannot hold it; text longer than the field
// is cut to its width and said so.
InputAnswer take(RecordBuffer& record, int field, QStringView text,
                 const std::optional<Picture>& picture);

}  // namespace FieldInput
