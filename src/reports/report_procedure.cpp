#include "reports/report_procedure.h"

#include <QMdiArea>
#include <QMessageBox>

#include "data/schema.h"
#include "runtime/report/report_preview.h"
#include "runtime/ui/message_box_error_manager.h"
#include "runtime/ui/window_host.h"
#include "runtime/ui/window_placement.h"

namespace {

const QString kWallpaper = QStringLiteral(":/pictures/fon_nnn.jpg");

QWidget* frameWindow() {
    QMdiArea* area = WindowHost::instance().mdiArea();
    return area ? area->window() : nullptr;
}

void showRefusal(const QString& procedure, const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, procedure, text, QMessageBox::Ok, frameWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

}  // namespace

void ReportProcedure::start(const QString& procedure, const CertificateReport::Make& make) {
    auto* self = new ReportProcedure(procedure);
    if (!self->open(make)) {
        delete self;
        return;
    }
    self->run();
}

ReportProcedure::ReportProcedure(const QString& procedure)
    : procedure_(procedure),
      watch_(new FailureWatch(std::make_unique<MessageBoxErrorManager>(frameWindow))),
      context_(std::make_unique<WindowContext>(procedure, vetdocsSchema(),
                                               std::unique_ptr<ErrorManager>(watch_))) {}

ReportProcedure::~ReportProcedure() = default;

bool ReportProcedure::open(const CertificateReport::Make& make) {
    if (!context_->tables().relate(u"FORMA3").open()) return false;
    auto made = make(context_->tables().access(u"FORMA3"), *watch_);
    if (const auto* refusal = std::get_if<QString>(&made)) {
        showRefusal(procedure_, *refusal);
        return false;
    }
    report_ = std::move(std::get<std::unique_ptr<CertificateReport>>(made));
    return true;
}

void ReportProcedure::run() {
    run_ = std::make_unique<ReportRun>(report_->layout(), report_->source(), QPixmap(kWallpaper),
                                       frameWindow());
    ProgressWindow* window = run_->progressWindow();
    WindowPlacement::restore(window, procedure_, {});
    connect(window, &ProgressWindow::closing, this,
            [window, section = procedure_] { WindowPlacement::save(window, section); });
    connect(run_.get(), &ReportRun::finished, this, &ReportProcedure::finish);
    run_->start();
}

void ReportProcedure::finish(ReportOutcome outcome) {
    if (outcome == ReportOutcome::Completed) showPreview(run_->takeDocument());
    context_->tables().relate(u"FORMA3").close();
    deleteLater();
}

void ReportProcedure::showPreview(ReportDocument document) {
    auto* preview = new ReportPreview(std::move(document));
    preview->setWindowIcon(QIcon(QStringLiteral(":/icons/vetdocs.png")));
    WindowHost::instance().open(preview, procedure_ + QStringLiteral("_Preview"));
}
