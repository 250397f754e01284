#include "runtime/core/picture.h"

#include <QDate>
#include <QRegularExpression>
#include <array>
#include <cmath>

#include "runtime/core/cp1251.h"
#include "runtime/core/day_date.h"

namespace {

constexpr int kMaxNumberWidth = 18;  // the digits a qint64 always holds
constexpr int kShortDateLength = 10;
constexpr int kLongDateLength = 19;  // "30 сентября 2024 г."

// Month names in the genitive, as a day is written before them.
const std::array<const char16_t*, 12> kGenitiveMonths = {
    u"января", u"февраля", u"марта",    u"апреля",  u"мая",    u"июня",
    u"июля",   u"августа", u"сентября", u"октября", u"ноября", u"декабря"};
const std::array<const char16_t*, 12> kNominativeMonths = {
    u"январь", u"февраль", u"март",     u"апрель",  u"май",    u"июнь",
    u"июль",   u"август",  u"сентябрь", u"октябрь", u"ноябрь", u"декабрь"};

qint64 powerOfTen(int exponent) {
    qint64 p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// The number after position `at`, or -1 when no digit stands there.
int readCount(QStringView code, qsizetype& at) {
    int n = -1;
    while (at < code.size() && code[at].isDigit() && n < 1000) {
        n = (n < 0 ? 0 : n * 10) + code[at].digitValue();
        ++at;
    }
    return n;
}

int monthFromName(QStringView name) {
    for (int i = 0; i < 12; ++i) {
        if (name.compare(QStringView(kGenitiveMonths[i]), Qt::CaseInsensitive) == 0 ||
            name.compare(QStringView(kNominativeMonths[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

std::optional<qint32> parseLongDate(QStringView text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})\\s+(\\w+)\\s+(\\d{4})(\\s*г\\.?)?$"),
        QRegularExpression::UseUnicodePropertiesOption);
    const auto match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int month = monthFromName(match.capturedView(2));
    const QDate date(match.capturedView(3).toInt(), month, match.capturedView(1).toInt());
    if (month == 0 || !date.isValid() || DayDate::fromDate(date) <= 0) return std::nullopt;
    return DayDate::fromDate(date);
}

Picture::ParseResult failure(const QString& message) {
    return {QVariant(), message};
}

}  // namespace

std::optional<Picture> Picture::fromCode(QStringView code) {
    code = code.trimmed();
    if (code.startsWith(u'@')) code = code.mid(1);
    if (code.isEmpty()) return std::nullopt;
    const QChar head = code[0].toLower();
    if (head == u's') {
        qsizetype at = 1;
        Picture p;
        p.width_ = readCount(code, at);
        if (p.width_ <= 0 || at != code.size()) return std::nullopt;
        return p;
    }
    if (head == u'n') return numberFromCode(code.mid(1));
    if (head == u'd') return dateFromCode(code.mid(1));
    if (head == u'p' && code.size() >= 3 && code.back().toLower() == u'p') {
        const QStringView hashes = code.mid(1, code.size() - 2);
        if (hashes.count(u'#') != hashes.size() || hashes.size() > kMaxNumberWidth)
            return std::nullopt;
        Picture p;
        p.kind_ = Kind::Number;
        p.style_ = Style::Digits;
        p.width_ = static_cast<int>(hashes.size());
        p.blankWhenZero_ = true;
        return p;
    }
    return std::nullopt;
}

std::optional<Picture> Picture::numberFromCode(QStringView code) {
    Picture p;
    p.kind_ = Kind::Number;
    qsizetype at = 0;
    while (at < code.size() && (code[at] == u'-' || code[at] == u'_')) {
        if (code[at] == u'-') p.signed_ = true;
        ++at;
    }
    p.width_ = readCount(code, at);
    if (at < code.size() && code[at] == u'.') {
        ++at;
        p.places_ = readCount(code, at);
        if (p.places_ < 0) return std::nullopt;
    }
    if (at < code.size() && code[at].toLower() == u'b') {
        p.blankWhenZero_ = true;
        ++at;
    }
    const int pointWidth = p.places_ > 0 ? p.places_ + 1 : 0;
    if (at != code.size() || p.width_ <= pointWidth || p.width_ > kMaxNumberWidth)
        return std::nullopt;
    return p;
}

std::optional<Picture> Picture::dateFromCode(QStringView code) {
    Picture p;
    p.kind_ = Kind::Date;
    if (code.startsWith(u'4')) {
        p.style_ = Style::LongDate;
    } else if (!code.startsWith(u'6')) {
        return std::nullopt;
    }
    qsizetype at = 1;
    if (p.style_ == Style::Plain && at < code.size() && QStringView(u"./-").contains(code[at]))
        p.separator_ = code[at++];
    if (at < code.size() && code[at].toLower() == u'b') {
        p.blankWhenZero_ = true;
        ++at;
    }
    if (at != code.size()) return std::nullopt;
    return p;
}

int Picture::maxLength() const {
    if (kind_ != Kind::Date) return width_;
    return style_ == Style::LongDate ? kLongDateLength : kShortDateLength;
}

QString Picture::enteredCharacters() const {
    if (kind_ == Kind::Number) return QStringLiteral("0123456789#+-., ");
    if (kind_ == Kind::Date && style_ != Style::LongDate) return QStringLiteral("0123456789#./- ");
    return {};
}

Qt::Alignment Picture::naturalAlignment() const {
    return (kind_ == Kind::Text ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

qint64 Picture::maxScaled() const {
    if (kind_ != Kind::Number) return 0;
    const int digits = width_ - (places_ > 0 ? 1 : 0);
    return powerOfTen(digits) - 1;
}

qint64 Picture::minScaled() const {
    if (!signed_) return 0;
    const int digits = width_ - 1 - (places_ > 0 ? 1 : 0);
    return -(powerOfTen(digits) - 1);
}

double Picture::minimum() const {
    return static_cast<double>(minScaled()) / static_cast<double>(powerOfTen(places_));
}

double Picture::maximum() const {
    return static_cast<double>(maxScaled()) / static_cast<double>(powerOfTen(places_));
}

QString Picture::format(const QVariant& value) const {
    switch (kind_) {
        case Kind::Number:
            return formatNumber(value);
        case Kind::Date:
            return formatDate(value);
        case Kind::Text:
            break;
    }
    QString text = value.toString().left(width_);
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    text.truncate(n);
    return text;
}

QString Picture::formatNumber(const QVariant& value) const {
    const std::optional<qint64> scaled = toScaled(value);
    if (!scaled || *scaled > maxScaled() || *scaled < minScaled()) return overflowText();
    if (*scaled == 0 && blankWhenZero_) return QString();
    return scaledText(*scaled);
}

std::optional<qint64> Picture::toScaled(const QVariant& value) const {
    if (!value.isValid() || value.isNull()) return 0;
    bool ok = false;
    double number = 0;
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            number = value.toDouble(&ok);
            break;
        case QMetaType::QString: {
            const QString text = value.toString().trimmed();
            if (text.isEmpty()) return 0;
            number = text.toDouble(&ok);
            break;
        }
        default: {
            const qint64 whole = value.toLongLong(&ok);
            if (!ok || whole > maxScaled() || whole < -maxScaled()) return std::nullopt;
            return whole * powerOfTen(places_);
        }
    }
    const double scaled = std::round(number * static_cast<double>(powerOfTen(places_)));
    if (!ok || !std::isfinite(scaled) || std::fabs(scaled) > 9.0e18) return std::nullopt;
    return static_cast<qint64>(scaled);
}

QString Picture::scaledText(qint64 scaled) const {
    const qint64 magnitude = scaled < 0 ? -scaled : scaled;
    QString digits = QString::number(magnitude);
    if (style_ == Style::Digits) return digits.rightJustified(width_, u'0');
    if (places_ > 0) {
        digits = digits.rightJustified(places_ + 1, u'0');
        digits.insert(digits.size() - places_, u'.');
    }
    return scaled < 0 ? u'-' + digits : digits;
}

QString Picture::formatDate(const QVariant& value) const {
    const qint64 day =
        value.typeId() == QMetaType::QDate ? DayDate::fromDate(value.toDate()) : value.toLongLong();
    if (day == 0) return QString();
    const QDate date =
        day > 0 && day <= INT32_MAX ? DayDate::toDate(static_cast<qint32>(day)) : QDate();
    if (!date.isValid() || date.year() > 9999) return overflowText();
    if (style_ == Style::LongDate) {
        return QStringLiteral("%1 %2 %3 г.")
            .arg(date.day())
            .arg(QStringView(kGenitiveMonths[date.month() - 1]))
            .arg(date.year());
    }
    const QString sep(separator_);
    return date.toString(QStringLiteral("dd") + sep + QStringLiteral("MM") + sep +
                         QStringLiteral("yyyy"));
}

Picture::ParseResult Picture::parse(QStringView text) const {
    switch (kind_) {
        case Kind::Number:
            return parseNumber(text);
        case Kind::Date:
            return parseDate(text);
        case Kind::Text:
            break;
    }
    if (text.size() > width_) {
        return failure(QStringLiteral("Слишком длинный текст: знаков %1, допускается %2")
                           .arg(text.size())
                           .arg(width_));
    }
    qsizetype bad = -1;
    if (!Cp1251::encode(text, &bad))
        return failure(QStringLiteral("Знак «%1» не может быть сохранён").arg(text[bad]));
    return {text.toString(), {}};
}

Picture::ParseResult Picture::parseNumber(QStringView text) const {
    const QString trimmed = text.trimmed().toString().replace(u',', u'.');
    if (trimmed.isEmpty()) return {places_ > 0 ? QVariant(0.0) : QVariant(qint64(0)), {}};
    static const QRegularExpression pattern(QStringLiteral("^([-+]?)(\\d*)(?:\\.(\\d*))?$"));
    const auto match = pattern.match(trimmed);
    QStringView whole = match.capturedView(2);
    QStringView fraction = match.capturedView(3);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty()))
        return failure(QStringLiteral("Неверное число: %1").arg(trimmed));
    const bool negative = match.capturedView(1) == u"-";
    if (negative && !signed_) return failure(QStringLiteral("Число не может быть отрицательным"));
    while (fraction.size() > places_ && fraction.back() == u'0')
        fraction.chop(1);
    if (fraction.size() > places_) {
        return failure(places_ == 0
                           ? QStringLiteral("Допускается только целое число: %1").arg(trimmed)
                           : QStringLiteral("Допускается знаков после точки: %1").arg(places_));
    }
    while (whole.startsWith(u'0'))
        whole = whole.mid(1);
    // More digits than any picture holds are out of range whatever their value.
    qint64 scaled = maxScaled() + 1;
    if (whole.size() <= kMaxNumberWidth) {
        const qint64 fractionScaled =
            fraction.isEmpty() ? 0 : fraction.toLongLong() * powerOfTen(places_ - fraction.size());
        scaled = (whole.isEmpty() ? 0 : whole.toLongLong()) * powerOfTen(places_) + fractionScaled;
    }
    if (negative) scaled = -scaled;
    if (scaled > maxScaled())
        return failure(QStringLiteral("Число больше %1").arg(scaledText(maxScaled())));
    if (scaled < minScaled())
        return failure(QStringLiteral("Число меньше %1").arg(scaledText(minScaled())));
    if (places_ == 0) return {QVariant(scaled), {}};
    return {QVariant(static_cast<double>(scaled) / static_cast<double>(powerOfTen(places_))), {}};
}

Picture::ParseResult Picture::parseDate(QStringView text) const {
    const QStringView trimmed = text.trimmed();
    std::optional<qint32> day = DayDate::parse(trimmed);
    if (!day && style_ == Style::LongDate) day = parseLongDate(trimmed);
    if (!day) return failure(QStringLiteral("Неверная дата: %1").arg(trimmed));
    return {QVariant(qint64(*day)), {}};
}
