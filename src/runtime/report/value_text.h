#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

// How report controls turn values into text: through the display pictures
// that entries and lists use ("s91", "n_9b", "d6.b", "P##P" ...).
namespace ValueText {

// The value as the picture shows it; without a picture, or with one that
// cannot be read, the value's own text.
QString format(const QVariant& value, QStringView picture);

// How many characters the picture shows at most, and whether they are
// digits (numbers and dates) rather than free text; 0 for no picture.
struct Extent {
    int characters = 0;
    bool digits = false;
};
Extent extent(QStringView picture);

}  // namespace ValueText
