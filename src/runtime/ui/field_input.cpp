#include "runtime/ui/field_input.h"

#include <cmath>
#include <limits>

#include "runtime/core/cp1251.h"
#include "runtime/core/packed_decimal.h"

namespace FieldInput {

namespace {

// The smallest and largest value a numeric field holds, as shown to the user.
std::pair<QString, QString> fieldRange(const Field& field) {
    switch (field.type) {
        case FieldType::Byte:
            return {QStringLiteral("0"), QStringLiteral("255")};
        case FieldType::Long:
            return {QString::number(std::numeric_limits<qint32>::min()),
                    QString::number(std::numeric_limits<qint32>::max())};
        default: {
            const double largest =
                PackedDecimal::maxScaled(field.size) / std::pow(10, field.places);
            return {QString::number(-largest, 'f', field.places),
                    QString::number(largest, 'f', field.places)};
        }
    }
}

QString firstUnencodable(QStringView text) {
    qsizetype bad = 0;
    Cp1251::encode(text, &bad);
    return text.mid(bad, 1).toString();
}

}  // namespace

std::optional<Picture> pictureOf(const QString& code) {
    if (code.isEmpty()) return std::nullopt;
    auto picture = Picture::fromCode(code);
    if (!picture) qWarning("Unknown display picture %s", qPrintable(code));
    return picture;
}

QString display(const QVariant& value, const std::optional<Picture>& picture) {
    return picture ? picture->format(value) : value.toString();
}

Picture::ParseResult read(QStringView text, const std::optional<Picture>& picture) {
    if (picture) return picture->parse(text);
    return {text.toString(), {}};
}

InputAnswer take(RecordBuffer& record, int field, QStringView text,
                 const std::optional<Picture>& picture) {
    const Picture::ParseResult parsed = read(text, picture);
    if (!parsed.ok()) return {false, parsed.error};
    const Field& fd = record.layout().field(field);
    switch (record.setValue(field, parsed.value)) {
        case SetResult::Ok:
            return {};
        case SetResult::Truncated:
            return {true, QStringLiteral("Сохранено знаков: %1 — остальное не помещается в поле")
                              .arg(fd.size)};
        case SetResult::Unencodable:
            return {false, QStringLiteral("Знак «%1» не может быть сохранён")
                               .arg(firstUnencodable(parsed.value.toString()))};
        case SetResult::OutOfRange: {
            const auto [low, high] = fieldRange(fd);
            return {false, QStringLiteral("Число не помещается в поле: допускается от %1 до %2")
                               .arg(low, high)};
        }
    }
    return {};
}

}  // namespace FieldInput
