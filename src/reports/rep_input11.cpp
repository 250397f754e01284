#include "reports/rep_input11.h"

#include "data/shared_values.h"
#include "reports/report_procedure.h"

void Rep_input11(const QString& filter) {
    // Taken over as a parameter; the hand-over value is spent.
    GLO_REPORTQUERYRESULT.set(QString());
    ZAPROS.set(CertificateReport::queryHeading(filter));
    const qint32 d1 = D1.get();
    const qint32 d2 = D2.get();
    ReportProcedure::start(QStringLiteral("Rep_input11"),
                           [filter, d1, d2](TableAccess& forma3, const FailureWatch& watch) {
                               return CertificateReport::byQuery(forma3, watch, filter, d1, d2);
                           });
}
