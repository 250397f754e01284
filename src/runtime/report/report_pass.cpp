#include "runtime/report/report_pass.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>

QString noRecordsTitle() {
    return QStringLiteral("No Records");
}

QString noRecordsText() {
    return QStringLiteral("There are no records available to process.");
}

ReportPass::ReportPass(const ReportLayout& layout, RecordSource& source)
    : ReportPass(layout, source, Batching{}) {}

ReportPass::ReportPass(const ReportLayout& layout, RecordSource& source, Batching batching)
    : source_(source), composer_(layout), batching_(batching) {}

bool ReportPass::step() {
    if (outcome_ != ReportOutcome::Running) return false;
    const auto printDetail = [this] { composer_.addDetail(); };
    QElapsedTimer clock;
    clock.start();
    int read = 0;
    do {
        read = source_.fetch(batching_.chunk, printDetail);
    } while (read > 0 && clock.elapsed() < batching_.budget.count());
    percent_ = std::clamp(int(std::floor(source_.progress() * 100)), 0, 100);
    if (read <= 0) end(read);
    return outcome_ == ReportOutcome::Running;
}

ReportOutcome ReportPass::runToEnd() {
    while (step()) {
    }
    return outcome_;
}

void ReportPass::cancel() {
    if (outcome_ == ReportOutcome::Running) outcome_ = ReportOutcome::Cancelled;
}

void ReportPass::end(int lastRead) {
    if (lastRead < 0) {
        outcome_ = ReportOutcome::Failed;
    } else if (composer_.detailCount() == 0) {
        outcome_ = ReportOutcome::NoRecords;
    } else {
        percent_ = 100;
        document_ = composer_.finish();
        outcome_ = ReportOutcome::Completed;
    }
}
