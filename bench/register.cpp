#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>

#include "bench_support.h"
#include "data/data_folder.h"
#include "data/schema.h"
#include "register/browse_formf2_window.h"
#include "register/register_model.h"

// The certificate register over 100,000 certificates: opening it, moving to
// the last page, the fuzzy order and the filter, each timed until the page
// is drawn. "cold" is the first search or filter after opening, which reads
// the table; "warm" a further one over unchanged data.
namespace {

constexpr int kCertificates = 100000;
const QString kQuery = QStringLiteral("расвет тихорецк");
const QString kOtherQuery = QStringLiteral("мясокомбинат армавир");
const QString kUpperFilter = QStringLiteral("INSTRING('РАССВЕТ', UPPER(FR3:s2), 1, 1)");
const QString kSparseFilter =
    QStringLiteral("UPPER(FR3:s2) = 'ОАО «РАССВЕТ», Г. ЕЙСК, УЛ. МИРА, 124'");

// Resident memory of the process, in megabytes.
double residentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

// A register window opened as the frame opens it, with no form.
class Register {
public:
    Register() {
        auto context = std::make_unique<WindowContext>(RegisterModel::kProcedure, vetdocsSchema(),
                                                       std::make_unique<ConsoleErrorManager>());
        auto model = std::make_unique<RegisterModel>(*context);
        if (!model->open()) qFatal("cannot open the cached certificates");
        window_ = std::make_unique<BrowseFormf2Window>(std::move(context), std::move(model),
                                                       RegisterModel::Form());
        window_->show();
        draw();
    }

    BrowseFormf2Window& window() { return *window_; }
    BrowseList& list() { return *window_->list(); }
    void draw() { window_->list()->view()->viewport()->repaint(); }
    void search(const QString& text) {
        window_->controls().control<QLineEdit>(QStringLiteral("?FUZZYQUERY"))->setText(text);
        window_->find();
        draw();
    }
    void filter(const QString& expression) {
        window_->setFilter(expression, {});
        draw();
    }
    bool empty() { return list().pager().rows().empty(); }

private:
    std::unique_ptr<BrowseFormf2Window> window_;
};

void useCachedFolder() {
    DataFolder::activate(BenchSupport::certificateFolder(kCertificates));
}

void BM_OpenOnTheFirstPage(benchmark::State& state) {
    useCachedFolder();
    for (auto _ : state) {
        Register opened;
        if (opened.empty()) state.SkipWithError("no rows");
    }
}
BENCHMARK(BM_OpenOnTheFirstPage)->Unit(benchmark::kMillisecond);

// One step timed on a register freshly opened and set up.
void timeStep(benchmark::State& state, const std::function<void(Register&)>& setup,
              const std::function<void(Register&)>& step) {
    useCachedFolder();
    for (auto _ : state) {
        Register opened;
        setup(opened);
        QElapsedTimer timer;
        timer.start();
        step(opened);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        if (opened.empty()) state.SkipWithError("no rows");
    }
}

// Each iteration opens a register, which takes longer than the step timed.
constexpr int kSteps = 15;

void toTheLastPage(Register& r) {
    r.list().lastPage();
    r.draw();
}

void BM_ToTheLastPage(benchmark::State& state) {
    timeStep(
        state, [](Register&) {}, toTheLastPage);
}
BENCHMARK(BM_ToTheLastPage)->UseManualTime()->Iterations(kSteps)->Unit(benchmark::kMillisecond);

void BM_FuzzyOrderCold(benchmark::State& state) {
    timeStep(
        state, [](Register&) {}, [](Register& r) { r.search(kQuery); });
}
BENCHMARK(BM_FuzzyOrderCold)->UseManualTime()->Iterations(kSteps)->Unit(benchmark::kMillisecond);

void BM_FuzzyOrderWarm(benchmark::State& state) {
    timeStep(
        state, [](Register& r) { r.search(kOtherQuery); }, [](Register& r) { r.search(kQuery); });
}
BENCHMARK(BM_FuzzyOrderWarm)->UseManualTime()->Iterations(kSteps)->Unit(benchmark::kMillisecond);

void BM_FuzzyOrderToTheLastPage(benchmark::State& state) {
    timeStep(
        state, [](Register& r) { r.search(kQuery); }, toTheLastPage);
}
BENCHMARK(BM_FuzzyOrderToTheLastPage)
    ->UseManualTime()
    ->Iterations(kSteps)
    ->Unit(benchmark::kMillisecond);

void BM_FilterUpperRecipient(benchmark::State& state) {
    timeStep(
        state, [](Register&) {}, [](Register& r) { r.filter(kUpperFilter); });
}
BENCHMARK(BM_FilterUpperRecipient)
    ->UseManualTime()
    ->Iterations(kSteps)
    ->Unit(benchmark::kMillisecond);

void BM_SparseFilterUpperRecipient(benchmark::State& state) {
    timeStep(
        state, [](Register&) {}, [](Register& r) { r.filter(kSparseFilter); });
}
BENCHMARK(BM_SparseFilterUpperRecipient)
    ->UseManualTime()
    ->Iterations(kSteps)
    ->Unit(benchmark::kMillisecond);

void BM_SparseFilterToTheLastPage(benchmark::State& state) {
    timeStep(
        state, [](Register& r) { r.filter(kSparseFilter); }, toTheLastPage);
}
BENCHMARK(BM_SparseFilterToTheLastPage)
    ->UseManualTime()
    ->Iterations(kSteps)
    ->Unit(benchmark::kMillisecond);

void BM_FilterInTheFuzzyOrder(benchmark::State& state) {
    timeStep(
        state, [](Register& r) { r.search(kQuery); }, [](Register& r) { r.filter(kUpperFilter); });
}
BENCHMARK(BM_FilterInTheFuzzyOrder)
    ->UseManualTime()
    ->Iterations(kSteps)
    ->Unit(benchmark::kMillisecond);

// Resident memory the open register adds, with its search texts and a
// filter in force, beyond the program's size before it opened.
void BM_MemoryOfTheOpenRegister(benchmark::State& state) {
    useCachedFolder();
    { Register warmup; }  // Qt's own first-use allocations are not the register's
    const double idle = residentMegabytes();
    double added = 0;
    for (auto _ : state) {
        Register opened;
        opened.search(kQuery);
        opened.filter(kUpperFilter);
        added = residentMegabytes() - idle;
    }
    state.counters["MB"] = added;
}
BENCHMARK(BM_MemoryOfTheOpenRegister)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return BenchSupport::runBenchmarks(argc, argv, BenchSupport::QtNeed::Widgets);
}
