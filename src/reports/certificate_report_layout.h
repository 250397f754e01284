#pragma once

#include <QString>

#include "runtime/core/record_buffer.h"
#include "runtime/report/report_layout.h"

// The two list reports of certificates on A4: a page heading, one block of
// five lines per certificate read from the certificate buffer, and the count
// after the last block.
namespace CertificateReportLayout {

// What the heading of the issued-certificates report shows.
struct PeriodHeading {
    qint32 from = 0;  // day numbers
    qint32 to = 0;
    QString status;
};

// "Отчёт о документах": status in parentheses and the two dates.
ReportLayout period(const RecordBuffer& certificate, const PeriodHeading& heading);

// "[произвольный по запросу]" with the start of the filter in brackets, and
// the column heading in three rounded frames.
ReportLayout byQuery(const RecordBuffer& certificate, const QString& query);

}  // namespace CertificateReportLayout
