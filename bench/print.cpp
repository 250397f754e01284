#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "app/command_line.h"
#include "bench_support.h"
#include "data/data_folder.h"
#include "data/shared_values.h"
#include "print/print_procedures.h"
#include "runtime/report/report_preview.h"

// Printing one certificate out of a register of 100,000: from the print
// button to the preview showing the page, and the three sides as PDF
// through the command line.
namespace {

constexpr int kCertificates = 100000;
constexpr qint64 kNumber = 1000 + 54321;  // one certificate somewhere in the middle

// The register's data folder and a working folder whose LAST.DAT starts
// with the standard profile.
struct Office {
    Office() : dataFolder(BenchSupport::certificateFolder(kCertificates)) {
        DataFolder::setWorkFolder(work.path());
        DataFolder::activate(dataFolder);
    }
    QString dataFolder;
    QTemporaryDir work;
};

ReportPreview* shownPreview() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<ReportPreview*>(widget); preview && preview->isVisible())
            return preview;
    return nullptr;
}

void BM_PrintToPreview(benchmark::State& state) {
    Office office;
    nform.set(kNumber);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        Print_F2();
        ReportPreview* preview = nullptr;
        while (!(preview = shownPreview()))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QApplication::processEvents();  // its first paint
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        preview->close();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PrintToPreview)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void BM_ThreeSidesToPdf(benchmark::State& state) {
    Office office;
    QTemporaryDir out;
    for (auto _ : state) {
        for (const char* side : {"certificate", "counterfoil", "back"}) {
            QString messages;
            QTextStream stream(&messages);
            CommandIo io{stream, stream};
            const int code = runCommandLine(
                {QStringLiteral("--workdir"), office.work.path(), QStringLiteral("print"),
                 QStringLiteral("--data"), office.dataFolder, QStringLiteral("--number"),
                 QString::number(kNumber), QStringLiteral("--side"), QString::fromLatin1(side),
                 QStringLiteral("--pdf"), out.filePath(QString::fromLatin1(side) + ".pdf")},
                io);
            if (code != 0) state.SkipWithError(messages.toStdString().c_str());
        }
    }
}
BENCHMARK(BM_ThreeSidesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return BenchSupport::runBenchmarks(argc, argv, BenchSupport::QtNeed::Widgets);
}
