#pragma once

#include <QString>
#include <chrono>

#include "runtime/report/page_composer.h"
#include "runtime/report/record_source.h"

enum class ReportOutcome { Running, Completed, NoRecords, Cancelled, Failed };

// The notice a pass that selected nothing ends with.
QString noRecordsTitle();
QString noRecordsText();

// One pass of a report over its record source, in batches. The progress
// window runs one batch per timer tick; the command line runs them all in a
// loop. Each batch reads small chunks until its time budget is spent, so a
// tick stays short and "Отмена" is answered at once.
class ReportPass {
public:
    struct Batching {
        int chunk = 16;  // records per read
        std::chrono::milliseconds budget{40};
    };

    ReportPass(const ReportLayout& layout, RecordSource& source);
    ReportPass(const ReportLayout& layout, RecordSource& source, Batching batching);

    // Reads one batch. False once the pass has ended.
    bool step();
    // Reads every batch, for runs without a window.
    ReportOutcome runToEnd();
    void cancel();

    ReportOutcome outcome() const { return outcome_; }
    int percent() const { return percent_; }
    int detailCount() const { return composer_.detailCount(); }
    // The pages of a completed pass.
    ReportDocument takeDocument() { return std::move(document_); }

private:
    void end(int lastRead);

    RecordSource& source_;
    PageComposer composer_;
    Batching batching_;
    ReportOutcome outcome_ = ReportOutcome::Running;
    int percent_ = 0;
    ReportDocument document_;
};
