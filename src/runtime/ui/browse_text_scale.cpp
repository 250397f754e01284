#include "runtime/ui/browse_text_scale.h"

#include <algorithm>
#include <cmath>

#include "runtime/core/cp1251.h"

namespace {

constexpr int kDigits = 4;  // bytes after the prefix that count
constexpr unsigned char kBlank = ' ';
constexpr char kUndefined = '\x98';  // the one byte the code page has no character for

QByteArray bytesOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) return value.toByteArray();
    return Cp1251::encode(value.toString()).value_or(QByteArray());
}

}  // namespace

BrowseTextScale::BrowseTextScale(const QVariant& first, const QVariant& last) {
    const QByteArray a = bytesOf(first);
    const QByteArray b = bytesOf(last);
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    prefix_ = a.left(n);
}

double BrowseTextScale::place(const QVariant& value) const {
    const QByteArray bytes = bytesOf(value);
    double place = 0;
    for (int i = 0; i < kDigits; ++i) {
        const qsizetype at = prefix_.size() + i;
        place = place * 256 + (at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0);
    }
    return place;
}

QString BrowseTextScale::text(double place) const {
    auto rest = static_cast<qint64>(std::llround(std::max(place, 0.0)));
    QByteArray digits(kDigits, '\0');
    for (int i = kDigits - 1; i >= 0; --i) {
        digits[i] = static_cast<char>(rest % 256);
        rest /= 256;
    }
    while (!digits.isEmpty() && digits.back() == '\0')
        digits.chop(1);
    // No control bytes inside a key text: the next blank sorts right after.
    for (char& c : digits)
        c = static_cast<char>(std::max(static_cast<unsigned char>(c), kBlank));
    return Cp1251::decode(prefix_ + digits);
}
