#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "reports/certificate_report.h"
#include "runtime/report/report_run.h"
#include "runtime/ui/window_context.h"

// A list report started from a window, on its own: its own context and
// certificate table, the progress window at the place saved under the
// procedure's name, then the preview at 100 %. The windows that started it
// stay usable, and it ends by itself, closing its table.
class ReportProcedure : public QObject {
    Q_OBJECT
public:
    // Starts a run; a table that cannot be opened or a filter that cannot be
    // read shows its message and starts nothing.
    static void start(const QString& procedure, const CertificateReport::Make& make);

    ~ReportProcedure() override;

private:
    explicit ReportProcedure(const QString& procedure);
    bool open(const CertificateReport::Make& make);
    void run();
    void finish(ReportOutcome outcome);
    void showPreview(ReportDocument document);

    QString procedure_;
    FailureWatch* watch_;  // owned by the context
    std::unique_ptr<WindowContext> context_;
    std::unique_ptr<CertificateReport> report_;
    std::unique_ptr<ReportRun> run_;
};
