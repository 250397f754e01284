#include "print/profile_text.h"

#include <QHash>
#include <QRegularExpression>
#include <limits>

#include "data/last.h"
#include "print/profile.h"

namespace ProfileText {

namespace {

struct IntegerRange {
    qint64 minimum;
    qint64 maximum;
};

constexpr IntegerRange kFontSize{1, 100};
constexpr IntegerRange kColorWord{0, 0xFFFFFF};
constexpr IntegerRange kStyleWord{0, 0x7FFF};
constexpr IntegerRange kCharacterSet{0, 255};

IntegerRange integerRange(int field) {
    switch (field) {
        case LAS::FONTSIZE:
            return kFontSize;
        case LAS::FONTCOLOR:
            return kColorWord;
        case LAS::FONTSTYLE:
            return kStyleWord;
        case LAS::CHARSET:
            return kCharacterSet;
        default:
            return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
    }
}

QString valueText(const RecordBuffer& profile, const Field& field) {
    if (field.type == FieldType::String) return profile.text(field.index);
    if (field.places > 0) return QString::number(profile.number(field.index), 'f', field.places);
    return QString::number(profile.integer(field.index));
}

QString outOfRange(double minimum, double maximum, int places) {
    return QStringLiteral("значение вне допустимых пределов (от %1 до %2)")
        .arg(QString::number(minimum, 'f', places), QString::number(maximum, 'f', places));
}

// Takes the value into the field; the fault in words, or empty.
QString setValue(RecordBuffer& profile, const Field& field, const QString& value) {
    if (field.type == FieldType::String) {
        switch (profile.setText(field.index, value)) {
            case SetResult::Ok:
                return {};
            case SetResult::Unencodable:
                return QStringLiteral("текст содержит знаки, которых нет в кодировке cp1251");
            default:
                return QStringLiteral("текст длиннее %1 знаков").arg(field.size);
        }
    }
    if (field.places > 0) {
        static const QRegularExpression position(QStringLiteral("^-?\\d+([.,]\\d)?$"));
        if (!position.match(value).hasMatch())
            return QStringLiteral(
                "нужно число миллиметров с одним знаком после точки, "
                "например 24.5");
        const double mm = QString(value).replace(u',', u'.').toDouble();
        const Profile::Range range = Profile::positionRange(field.index);
        if (mm < range.minimum || mm > range.maximum)
            return outOfRange(range.minimum, range.maximum, field.places);
        profile.setNumber(field.index, mm);
        return {};
    }
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (!ok) return QStringLiteral("нужно целое число");
    // The key value comes with the stored profile; nothing of ours writes it.
    if (field.index == LAS::NFORM && number != profile.integer(LAS::NFORM))
        return QStringLiteral("номер настройки не меняется, у этой настройки он %1")
            .arg(profile.integer(LAS::NFORM));
    const IntegerRange range = integerRange(field.index);
    if (number < range.minimum || number > range.maximum)
        return outOfRange(double(range.minimum), double(range.maximum), 0);
    profile.setInteger(field.index, number);
    return {};
}

}  // namespace

QString write(const RecordBuffer& profile) {
    QString text;
    for (const Field& field : profile.layout().fields())
        text += field.name + QStringLiteral(" = ") + valueText(profile, field) + u'\n';
    return text;
}

QString read(QStringView text, RecordBuffer& profile) {
    RecordBuffer result = profile;
    QHash<int, int> namedAt;  // field -> line
    int lineNumber = 0;
    for (const QStringView line : text.split(u'\n')) {
        ++lineNumber;
        const QString where = QStringLiteral("Строка %1: ").arg(lineNumber);
        const QStringView content = line.trimmed();
        if (content.isEmpty() || content.startsWith(u'#')) continue;
        const qsizetype equals = content.indexOf(u'=');
        if (equals < 0) return where + QStringLiteral("нужно ИМЯ = значение");
        const QString name = content.left(equals).trimmed().toString();
        const int field = result.layout().indexOf(name);
        if (name.contains(u':') || field < 0)
            return where + QStringLiteral("нет поля настройки «%1»").arg(name);
        if (namedAt.contains(field))
            return where + QStringLiteral("поле %1 уже задано в строке %2")
                               .arg(name.toUpper())
                               .arg(namedAt[field]);
        namedAt.insert(field, lineNumber);
        const QString fault = setValue(result, result.layout().field(field),
                                       content.mid(equals + 1).trimmed().toString());
        if (!fault.isEmpty()) return where + name.toUpper() + QStringLiteral(": ") + fault;
    }
    profile = result;
    return {};
}

}  // namespace ProfileText
