#include "print/print_procedures.h"

#include <QMdiArea>
#include <QPixmap>
#include <memory>

#include "data/schema.h"
#include "data/shared_values.h"
#include "print/certificate_print.h"
#include "runtime/report/report_preview.h"
#include "runtime/report/report_run.h"
#include "runtime/ui/window_context.h"
#include "runtime/ui/window_host.h"
#include "runtime/ui/window_placement.h"

namespace {

struct Procedure {
    PrintSide side;
    const char* name;  // its section in the settings file, too
};

constexpr Procedure kCertificate{PrintSide::Certificate, "Print_F2"};
constexpr Procedure kCounterfoil{PrintSide::Counterfoil, "Print_F23"};
constexpr Procedure kBackSide{PrintSide::BackSide, "Print_F22"};

const QString kWallpaper = QStringLiteral(":/pictures/fon_nnn.jpg");

QWidget* frameWindow() {
    QMdiArea* area = WindowHost::instance().mdiArea();
    return area ? area->window() : nullptr;
}

// One run of a print procedure, from its start to the preview it opens.
class PrintJob : public QObject {
public:
    explicit PrintJob(const Procedure& procedure)
        : name_(QLatin1String(procedure.name)),
          context_(name_, vetdocsSchema()),
          print_(context_.tables(), procedure.side, nform.get(), QPointF(AX.get(), AY.get())) {}

    void start() {
        if (!print_.open()) {
            deleteLater();
            return;
        }
        run_ = std::make_unique<ReportRun>(print_.layout(), print_.source(), QPixmap(kWallpaper),
                                           frameWindow());
        ProgressWindow* window = run_->progressWindow();
        context_.setWindow(window);
        WindowPlacement::restore(window, name_, {});
        connect(window, &ProgressWindow::closing, window,
                [window, name = name_] { WindowPlacement::save(window, name); });
        connect(run_.get(), &ReportRun::finished, this, &PrintJob::finish);
        run_->start();
    }

private:
    void finish(ReportOutcome outcome) {
        if (outcome == ReportOutcome::Completed) {
            auto* preview = new ReportPreview(run_->takeDocument());
            WindowHost::instance().open(preview, name_ + QStringLiteral("/Preview"));
        }
        deleteLater();
    }

    QString name_;
    WindowContext context_;
    CertificatePrint print_;
    std::unique_ptr<ReportRun> run_;  // goes before the print it reads
};

void startPrint(const Procedure& procedure) {
    (new PrintJob(procedure))->start();
}

}  // namespace

void Print_F2() {
    startPrint(kCertificate);
}

void Print_F23() {
    startPrint(kCounterfoil);
}

void Print_F22() {
    startPrint(kBackSide);
}
