#include "runtime/report/value_text.h"

#include "runtime/core/picture.h"

namespace ValueText {

QString format(const QVariant& value, QStringView picture) {
    if (picture.isEmpty()) return value.toString();
    const auto parsed = Picture::fromCode(picture);
    return parsed ? parsed->format(value) : value.toString();
}

Extent extent(QStringView picture) {
    const auto parsed = Picture::fromCode(picture);
    if (!parsed) return {};
    return {parsed->maxLength(), parsed->kind() != Picture::Kind::Text};
}

}  // namespace ValueText
