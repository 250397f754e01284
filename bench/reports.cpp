#include <benchmark/benchmark.h>

#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "bench_support.h"
#include "data/data_folder.h"
#include "data/schema.h"
#include "reports/certificate_report.h"
#include "runtime/core/day_date.h"
#include "runtime/report/page_renderer.h"
#include "runtime/report/report_pass.h"
#include "runtime/storage/table_set.h"

// The two list reports over a register of 100,000 certificates (five years
// at about 55 a day, 90 % of them "Выдано"): the period report over 202 days,
// about 10,000 certificates and 770 pages, and the register report over the
// whole table with a filter on the recipient.
namespace {

constexpr int kCertificates = 100000;
constexpr int kPeriodDays = 202;

struct Register {
    Register() : watch(std::make_unique<ConsoleErrorManager>()), tables(vetdocsSchema(), watch) {
        DataFolder::activate(BenchSupport::certificateFolder(kCertificates));
        if (!tables.relate(u"FORMA3").open()) qFatal("cannot open the benchmark's certificates");
    }
    ~Register() { tables.relate(u"FORMA3").close(); }

    TableAccess& forma3() { return tables.access(u"FORMA3"); }

    FailureWatch watch;
    TableSet tables;
};

CertificateReport::Period benchPeriod() {
    const qint32 first = DayDate::fromDate(QDate(2021, 6, 1));
    return {first, first + kPeriodDays - 1, QStringLiteral("Выдано")};
}

// Runs the pass batch by batch as the progress window's timer does, noting
// the longest batch: "Отмена" waits for at most that long.
ReportDocument runTimed(CertificateReport& report, benchmark::State& state) {
    ReportPass pass(report.layout(), report.source());
    QElapsedTimer clock;
    qint64 longest = 0;
    bool running = true;
    while (running) {
        clock.start();
        running = pass.step();
        longest = std::max(longest, clock.nsecsElapsed());
    }
    if (pass.outcome() != ReportOutcome::Completed)
        state.SkipWithError("the report did not complete");
    state.counters["longest_batch_ms"] = double(longest) / 1e6;
    return pass.takeDocument();
}

void noteSize(benchmark::State& state, const ReportDocument& document) {
    state.counters["certificates"] = document.details;
    state.counters["pages"] = double(document.pages.size());
}

void BM_PeriodReportSelectAndLayout(benchmark::State& state) {
    Register data;
    ReportDocument document;
    for (auto _ : state) {
        auto report = CertificateReport::period(data.forma3(), data.watch, benchPeriod());
        document = runTimed(*report, state);
    }
    noteSize(state, document);
}
BENCHMARK(BM_PeriodReportSelectAndLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PeriodReportPdf(benchmark::State& state) {
    Register data;
    QTemporaryDir folder;
    ReportDocument document;
    for (auto _ : state) {
        auto report = CertificateReport::period(data.forma3(), data.watch, benchPeriod());
        document = runTimed(*report, state);
        const QString error =
            PageRenderer::writePdf(document, folder.filePath(QStringLiteral("period.pdf")));
        if (!error.isEmpty()) state.SkipWithError(error.toStdString().c_str());
    }
    noteSize(state, document);
}
BENCHMARK(BM_PeriodReportPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

// Up to the first page of the preview, drawn at the screen's resolution.
void registerReport(benchmark::State& state, const QString& filter) {
    Register data;
    ReportDocument document;
    for (auto _ : state) {
        auto made = CertificateReport::byQuery(data.forma3(), data.watch, filter, 0, 0);
        auto& report = std::get<std::unique_ptr<CertificateReport>>(made);
        document = runTimed(*report, state);
        benchmark::DoNotOptimize(
            PageRenderer::image(document.pages.front(), document.paper, 96, false));
    }
    noteSize(state, document);
}

void BM_RegisterReportFilteredToFirstPage(benchmark::State& state) {
    registerReport(state, QStringLiteral("INSTRING('РАССВЕТ',UPPER(FR3:s2),1,1)"));
}
BENCHMARK(BM_RegisterReportFilteredToFirstPage)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RegisterReportAllToFirstPage(benchmark::State& state) {
    registerReport(state, QString());
}
BENCHMARK(BM_RegisterReportAllToFirstPage)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return BenchSupport::runBenchmarks(argc, argv, BenchSupport::QtNeed::Gui);
}
