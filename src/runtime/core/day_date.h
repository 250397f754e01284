#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Dates as stored: the number of days since 28 December 1800, so that
// 1 January 1801 is 4 and 15 July 2024 is 81649; 0 means no date.
namespace DayDate {

QDate toDate(qint32 day);  // invalid for 0 and for negative numbers
qint32 fromDate(QDate date);  // 0 for an invalid date
qint32 today();

// "dd.mm.yyyy"; empty for 0.
QString format(qint32 day);
// Accepts d.m.yyyy and dd.mm.yy (20yy), with '.', '/' or '-' between the
// parts; blank text is 0. Nothing for an impossible date such as 31.02.2024.
std::optional<qint32> parse(QStringView text);

}  // namespace DayDate
