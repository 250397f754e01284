#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <variant>

#include "reports/certificate_order.h"
#include "reports/certificate_report_layout.h"
#include "reports/failure_watch.h"
#include "runtime/report/report_layout.h"
#include "runtime/storage/table_access.h"

// One run of a list report of certificates: its layout over the certificate
// buffer and the certificates it prints. It reads the open certificate
// table given to it, which must outlive it, as must the watch over the
// table's messages.
class CertificateReport {
public:
    // The period report's selection: both days included, the status equal
    // with trailing blanks ignored and letter case kept.
    static const QString kPeriodFilter;

    // What a period report takes when it starts: D1, D2 and COMMENT.
    struct Period {
        qint32 from = 0;
        qint32 to = 0;
        QString status;
    };

    // The certificates issued in the period with the status.
    static std::unique_ptr<CertificateReport> period(TableAccess& forma3, const FailureWatch& watch,
                                                     const Period& period);

    // The certificates the filter expression selects, all for a blank one;
    // "d1" and "d2" name the days given. The evaluator's message when the
    // expression cannot be read.
    using Made = std::variant<std::unique_ptr<CertificateReport>, QString>;
    static Made byQuery(TableAccess& forma3, const FailureWatch& watch, const QString& filter,
                        qint32 d1, qint32 d2);

    // Makes a run's report over the opened certificate table.
    using Make = std::function<Made(TableAccess& forma3, const FailureWatch& watch)>;

    // The start of a filter the register report's heading shows (ZAPROS).
    static QString queryHeading(const QString& filter);

    const ReportLayout& layout() const { return layout_; }
    RecordSource& source() { return source_; }

    CertificateReport(ReportLayout layout, CertificateOrder source)
        : layout_(std::move(layout)), source_(std::move(source)) {}

private:
    ReportLayout layout_;
    CertificateOrder source_;
};
