#include "reports/rep_input1.h"

#include "data/shared_values.h"
#include "reports/report_procedure.h"

void Rep_input1() {
    const CertificateReport::Period period{D1.get(), D2.get(), COMMENT.get()};
    ReportProcedure::start(
        QStringLiteral("Rep_input1"), [period](TableAccess& forma3, const FailureWatch& watch) {
            return CertificateReport::Made(CertificateReport::period(forma3, watch, period));
        });
}
