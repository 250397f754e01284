#include "runtime/report/report_run.h"

#include <QMessageBox>

ReportRun::ReportRun(const ReportLayout& layout, RecordSource& source, const QPixmap& wallpaper,
                     QWidget* parentWindow)
    : pass_(layout, source),
      window_(new ProgressWindow(wallpaper, parentWindow)),
      parentWindow_(parentWindow) {
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &ReportRun::tick);
    connect(window_, &ProgressWindow::cancelRequested, this, &ReportRun::cancel);
    connect(window_, &ProgressWindow::closing, this, &ReportRun::cancel);
}

ReportRun::~ReportRun() {
    if (!window_) return;
    window_->disconnect(this);
    window_->close();
}

void ReportRun::start() {
    window_->setMessage(QString());
    window_->show();
    timer_.start();
}

void ReportRun::cancel() {
    pass_.cancel();
    end();
}

void ReportRun::tick() {
    const bool running = pass_.step();
    if (window_) window_->setPercent(pass_.percent());
    if (!running) end();
}

void ReportRun::end() {
    if (ended_ || pass_.outcome() == ReportOutcome::Running) return;
    ended_ = true;
    timer_.stop();
    if (window_) window_->close();
    if (pass_.outcome() == ReportOutcome::NoRecords) showNoRecords();
    emit finished(pass_.outcome());
}

void ReportRun::showNoRecords() {
    auto* notice = new QMessageBox(QMessageBox::Information, noRecordsTitle(), noRecordsText(),
                                   QMessageBox::Ok, parentWindow_);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::NonModal);
    notice->show();
}
