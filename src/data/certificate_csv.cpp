#include "data/certificate_csv.h"

#include "data/forma3.h"
#include "runtime/core/cp1251.h"
#include "runtime/core/day_date.h"

namespace CertificateCsv {

namespace {

bool isDate(int field) {
    return field == FR3::DATAV;
}

QString formatValue(const RecordBuffer& r, int field) {
    const Field& f = r.layout().field(field);
    if (f.type == FieldType::String) return r.text(field);
    if (r.scaled(field) == 0) return QString();
    if (isDate(field)) return DayDate::format(static_cast<qint32>(r.scaled(field)));
    return r.value(field).toString();
}

// The value exactly as the field will hold it, or the reason it cannot.
std::optional<QString> store(RecordBuffer& r, int field, const QString& value) {
    const Field& f = r.layout().field(field);
    if (f.type == FieldType::String) {
        qsizetype bad = 0;
        if (!Cp1251::encode(value, &bad)) {
            const QString character = value.mid(bad, value[bad].isHighSurrogate() ? 2 : 1);
            return QStringLiteral("символ «%1» нельзя сохранить в кодировке cp1251").arg(character);
        }
        // The form's fields are single lines: a break would print over the next.
        if (value.contains(u'\n') || value.contains(u'\r'))
            return QStringLiteral("перевод строки в однострочном поле");
        if (value.size() > f.size)
            return QStringLiteral("текст длиннее поля (%1 символов при ширине %2)")
                .arg(value.size())
                .arg(f.size);
        r.setText(field, value);
        return std::nullopt;
    }
    const QString trimmed = value.trimmed();
    if (isDate(field)) {
        const auto day = DayDate::parse(trimmed);
        if (!day) return QStringLiteral("неверная дата «%1» (нужно ДД.ММ.ГГГГ)").arg(value);
        r.setScaled(field, *day);
        return std::nullopt;
    }
    if (trimmed.isEmpty()) {
        r.setScaled(field, 0);
        return std::nullopt;
    }
    bool ok = false;
    const qint64 number = trimmed.toLongLong(&ok);
    if (!ok || f.places != 0) return QStringLiteral("неверное число «%1»").arg(value);
    // Numbers, days and years are never negative; the check box is 0 or 1.
    if (number < 0) return QStringLiteral("отрицательное число «%1»").arg(value);
    if (field == FR3::CHEK && number > 1)
        return QStringLiteral("флажок «%1»: нужно 0 или 1").arg(value);
    if (r.setScaled(field, number) != SetResult::Ok)
        return QStringLiteral("число %1 не помещается в поле").arg(number);
    return std::nullopt;
}

}  // namespace

QStringList header() {
    QStringList names;
    for (const Field& f : FR3::layout().fields())
        names << f.name;
    return names;
}

QStringList fields(const RecordBuffer& certificate) {
    QStringList values;
    values.reserve(certificate.layout().fieldCount());
    for (int i = 0; i < certificate.layout().fieldCount(); ++i)
        values << formatValue(certificate, i);
    return values;
}

std::optional<Reader> Reader::fromHeader(const QStringList& header, QString* error) {
    Reader reader;
    for (const QString& name : header) {
        const int field = FR3::layout().indexOf(name.trimmed());
        if (field < 0 || name.contains(u':')) {
            *error = QStringLiteral("неизвестный столбец «%1»").arg(name);
            return std::nullopt;
        }
        if (std::find(reader.columns_.begin(), reader.columns_.end(), field) !=
            reader.columns_.end()) {
            *error = QStringLiteral("столбец «%1» указан дважды").arg(name);
            return std::nullopt;
        }
        reader.columns_.push_back(field);
    }
    return reader;
}

bool Reader::fill(const QStringList& values, RecordBuffer& certificate, QString* error) const {
    if (values.size() != static_cast<qsizetype>(columns_.size())) {
        *error = QStringLiteral("значений в строке: %1, столбцов в заголовке: %2")
                     .arg(values.size())
                     .arg(columns_.size());
        return false;
    }
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (const auto problem =
                store(certificate, columns_[i], values[static_cast<qsizetype>(i)])) {
            *error =
                QStringLiteral("поле %1: %2").arg(FR3::layout().field(columns_[i]).name, *problem);
            return false;
        }
    }
    return true;
}

}  // namespace CertificateCsv
