#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

#include "bench_support.h"
#include "data/forma3.h"
#include "runtime/core/error_manager.h"
#include "runtime/storage/table_access.h"

// The certificate table at its expected size: 100,000 certificates of 2920
// bytes.
namespace {

constexpr int kCertificates = 100000;
constexpr double kRecordBytes = 2920;

// The cached folder's table, opened for reading.
class CachedTable {
public:
    CachedTable()
        : def_(BenchSupport::forma3At(BenchSupport::certificateFolder(kCertificates) +
                                      QStringLiteral("forma3.dat"))),
          access_(def_, errors_) {
        if (!access_.open()) qFatal("cannot open the cached certificates");
    }
    TableAccess& operator*() { return access_; }
    TableAccess* operator->() { return &access_; }

private:
    ConsoleErrorManager errors_;
    TableDef def_;
    TableAccess access_;
};

void BM_InsertAllInOneTransaction(benchmark::State& state) {
    for (auto _ : state) {
        QTemporaryDir folder;
        const TableDef def = BenchSupport::forma3At(folder.filePath(QStringLiteral("forma3.dat")));
        ConsoleErrorManager errors;
        TableAccess forma3(def, errors);
        forma3.open();
        // Certificates are made in batches outside the timing, so only the
        // table's work counts.
        constexpr int kBatch = 5000;
        std::vector<QByteArray> batch;
        const bool done = forma3.transaction([&] {
            for (int first = 0; first < kCertificates; first += kBatch) {
                state.PauseTiming();
                batch.clear();
                for (int i = first; i < first + kBatch; ++i) {
                    forma3.prime();
                    BenchSupport::fillCertificate(forma3.record(), i);
                    batch.push_back(forma3.record().image());
                }
                state.ResumeTiming();
                for (const QByteArray& image : batch) {
                    forma3.record().setImage(image);
                    if (!forma3.insert()) return false;
                }
            }
            return true;
        });
        forma3.close();
        if (!done) state.SkipWithError("insert failed");
        const double bytes = QFileInfo(def.path()).size();
        state.counters["file_MB"] = bytes / 1e6;
        state.counters["bytes_per_record"] = bytes / kCertificates;
        // The budget: at most 1.5 times the plain records.
        state.counters["of_budget"] = bytes / (1.5 * kCertificates * kRecordBytes);
    }
}
BENCHMARK(BM_InsertAllInOneTransaction)->Iterations(1)->Unit(benchmark::kSecond);

// One certificate added as the form saves it: its own transaction, synced.
void BM_AddOneDurably(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("forma3.dat"));
    QFile::copy(BenchSupport::certificateFolder(kCertificates) + QStringLiteral("forma3.dat"),
                path);
    const TableDef def = BenchSupport::forma3At(path);
    ConsoleErrorManager errors;
    TableAccess forma3(def, errors);
    forma3.open();
    std::vector<double> millis;
    int index = kCertificates;
    for (auto _ : state) {
        state.PauseTiming();
        forma3.prime();
        BenchSupport::fillCertificate(forma3.record(), index++);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        if (!forma3.insert()) state.SkipWithError("insert failed");
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    state.counters["median_ms"] = millis[millis.size() / 2];
    state.counters["p90_ms"] = millis[millis.size() * 9 / 10];
}
BENCHMARK(BM_AddOneDurably)->Iterations(200)->Unit(benchmark::kMillisecond);

// A page of the register: 30 certificates in number order from the middle,
// from a start value or continuing after a record, forwards or backwards.
void BM_KeyPageFromTheMiddle(benchmark::State& state) {
    CachedTable forma3;
    const bool continuing = state.range(0) != 0;
    const bool backward = state.range(1) != 0;
    ReadRequest request{FR3::K2, backward, {}, QVariant(1000 + kCertificates / 2), 30};
    if (continuing) {
        forma3->fetchKey(FR3::K2, 1000 + kCertificates / 2);
        request.after = StoredRecord{forma3->position(), forma3->record().image()};
    }
    for (auto _ : state) {
        const std::vector<StoredRecord> page = forma3->read(request);
        if (page.size() != 30) state.SkipWithError("short page");
        benchmark::DoNotOptimize(page.data());
    }
}
BENCHMARK(BM_KeyPageFromTheMiddle)
    ->ArgNames({"after", "backward"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

// A report's pass: every record in stored order, every field decoded
// (decode:0 shows the table's own share: reading and unpacking).
void BM_FullPassInStoredOrder(benchmark::State& state) {
    CachedTable forma3;
    RecordBuffer& record = forma3->record();
    const bool decode = state.range(0) != 0;
    for (auto _ : state) {
        qint64 records = 0, characters = 0;
        ReadRequest request{-1, false, {}, {}, 1000};
        for (;;) {
            const std::vector<StoredRecord> page = forma3->read(request);
            for (const StoredRecord& stored : page) {
                forma3->load(stored);
                for (int field = 0; decode && field < FR3::FieldCount; ++field)
                    characters += record.value(field).toString().size();
                ++records;
            }
            if (page.size() < 1000) break;
            request.after = page.back();
        }
        if (records != kCertificates) state.SkipWithError("records missing");
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_FullPassInStoredOrder)
    ->ArgName("decode")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// Opening checks every key index for damage; it must stay quick.
void BM_OpenAndClose(benchmark::State& state) {
    const TableDef def = BenchSupport::forma3At(BenchSupport::certificateFolder(kCertificates) +
                                                QStringLiteral("forma3.dat"));
    ConsoleErrorManager errors;
    TableAccess forma3(def, errors);
    for (auto _ : state) {
        if (!forma3.open()) state.SkipWithError("open failed");
        forma3.close();
    }
}
BENCHMARK(BM_OpenAndClose)->Unit(benchmark::kMillisecond);

void BM_Count(benchmark::State& state) {
    CachedTable forma3;
    for (auto _ : state)
        benchmark::DoNotOptimize(forma3->count());
}
BENCHMARK(BM_Count)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
