#include "runtime/core/day_date.h"

#include <QRegularExpression>

namespace DayDate {

namespace {
// Built on first use: other files' static initialisers may convert dates.
QDate epoch() { return QDate(1800, 12, 28); }
}

QDate toDate(qint32 day) { return day > 0 ? epoch().addDays(day) : QDate(); }

qint32 fromDate(QDate date) {
    return date.isValid() ? static_cast<qint32>(epoch().daysTo(date)) : 0;
}

qint32 today() { return fromDate(QDate::currentDate()); }

QString format(qint32 day) {
    const QDate d = toDate(day);
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

std::optional<qint32> parse(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty()) return 0;
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{2}|\\d{4})$"));
    const auto match = pattern.match(trimmed);
    if (!match.hasMatch()) return std::nullopt;
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2) year += 2000;
    const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
    if (!date.isValid() || date <= epoch()) return std::nullopt;
    return fromDate(date);
}

}  // namespace DayDate
