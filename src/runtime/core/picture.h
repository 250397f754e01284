#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <optional>

// A display picture: how a value is shown in an entry, a list cell or a
// report control, and how typed text is taken back. Codes, letter case
// ignored, an optional leading '@':
//   sN            text of up to N characters
//   n[-][_]W[.P][b]
//                 number in W positions (sign and point included), P places;
//                 '-' allows a minus in front, 'b' shows 0 as blank. Digits
//                 are never grouped: a separator only gets in the way of typing.
//   d6[sep][b]    date dd.mm.yyyy, '.' between the parts unless sep is '/' or '-'
//   d4[b]         long date "15 июля 2024 г."
//   P##P          exactly as many digits as '#', leading zeros; blank for 0
// Dates are day numbers; a date picture shows no date (0) as blank.
//
// A number that does not fit the picture is shown as '#' in every position
// ("###" for n-3), never cut to a wrong number.
class Picture {
public:
    enum class Kind { Text, Number, Date };

    struct ParseResult {
        QVariant value;  // QString, qint64 (whole numbers and dates) or double (places)
        QString error;   // empty on success; otherwise says in Russian what is wrong

        bool ok() const { return error.isEmpty(); }
    };

    static std::optional<Picture> fromCode(QStringView code);

    QString format(const QVariant& value) const;
    ParseResult parse(QStringView text) const;

    Kind kind() const { return kind_; }
    // Characters the picture shows at most; an entry accepts no more.
    int maxLength() const;
    // Text left, numbers and dates right; vertically centred.
    Qt::Alignment naturalAlignment() const;
    // The characters an entry of numbers or short dates takes, with the '#'
    // an overflow shows; empty when it takes any (texts, long dates).
    QString enteredCharacters() const;
    // Numbers: digits after the point and the range the picture can show.
    int places() const { return places_; }
    double minimum() const;
    double maximum() const;

private:
    enum class Style { Plain, LongDate, Digits };

    static std::optional<Picture> numberFromCode(QStringView code);
    static std::optional<Picture> dateFromCode(QStringView code);

    qint64 maxScaled() const;
    qint64 minScaled() const;
    std::optional<qint64> toScaled(const QVariant& value) const;  // nothing when not shown
    QString formatNumber(const QVariant& value) const;
    QString formatDate(const QVariant& value) const;
    ParseResult parseNumber(QStringView text) const;
    ParseResult parseDate(QStringView text) const;
    QString scaledText(qint64 scaled) const;
    QString overflowText() const { return QString(maxLength(), u'#'); }

    Kind kind_ = Kind::Text;
    Style style_ = Style::Plain;
    int width_ = 0;
    int places_ = 0;
    bool signed_ = false;
    bool blankWhenZero_ = false;
    QChar separator_ = u'.';
};
