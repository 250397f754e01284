#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>

#include "bench_support.h"
#include "data/forma3.h"
#include "runtime/core/error_manager.h"
#include "runtime/storage/table_access.h"
#include "runtime/ui/browse_list.h"
#include "runtime/ui/browse_table_source.h"
#include "runtime/ui/dialog_units.h"

// The register's list over 100,000 certificates in number order (FR3:K2):
// opening it on the first page, and the moves that read a page far away.
// Every figure includes drawing the page.
namespace {

constexpr int kCertificates = 100000;

BrowseColumn column(const char* head, int field, const char* picture, int width,
                    Qt::Alignment alignment, int indent) {
    BrowseColumn c;
    c.head = QString::fromUtf8(head);
    c.field = field;
    c.picture = QString::fromLatin1(picture);
    c.width = width;
    c.alignment = alignment;
    c.indent = indent;
    return c;
}

std::vector<BrowseColumn> registerColumns() {
    std::vector<BrowseColumn> columns{
        column("[№ свидетельства]", FR3::NFORM, "n_9b", 80, Qt::AlignRight, 19),
        column("[Дата выдачи]", FR3::DATAV, "d6.b", 58, Qt::AlignRight, 7),
        column("[Описание]", FR3::OPIS, "s25", 107, Qt::AlignLeft, 1),
        column("[Кому]", FR3::S2, "s91", 364, Qt::AlignLeft, 1),
        column("[Куда]", FR3::S14, "s40", 160, Qt::AlignLeft, 1),
        column("", FR3::S142, "s40", 160, Qt::AlignLeft, 1)};
    columns[0].bold = true;
    return columns;
}

// The cached certificates opened as the register opens them.
class Register {
public:
    Register()
        : def_(BenchSupport::forma3At(BenchSupport::certificateFolder(kCertificates) +
                                      QStringLiteral("forma3.dat"))),
          access_(def_, errors_) {
        if (!access_.open()) qFatal("cannot open the cached certificates");
        list_.setFont(QFont(QStringLiteral("Arial"), 8));
        list_.setColumns(registerColumns());
        list_.setRowHeight(11);
        list_.setRowColoring([](int row, const RecordBuffer&) {
            return BrowseRowColors{row % 2 == 0 ? QColor(237, 231, 214) : QColor(), {}};
        });
        list_.resize(DialogUnits(list_.font()).size(210, 217));
        list_.setSource(std::make_unique<BrowseTableSource>(access_, FR3::K2));
        list_.show();
        QApplication::processEvents();
    }

    BrowseList& list() { return list_; }
    void draw() { list_.view()->viewport()->repaint(); }

private:
    ConsoleErrorManager errors_;
    TableDef def_;
    TableAccess access_;
    BrowseList list_{access_};
};

void BM_OpenOnTheFirstPage(benchmark::State& state) {
    BenchSupport::certificateFolder(kCertificates);  // built before the timing
    for (auto _ : state) {
        Register opened;
        opened.draw();
        if (opened.list().pager().rows().empty()) state.SkipWithError("no rows");
    }
}
BENCHMARK(BM_OpenOnTheFirstPage)->Unit(benchmark::kMillisecond);

// One move timed from the first page: to the last page, or the thumb
// dragged to the middle.
void timeMove(benchmark::State& state, const std::function<void(BrowseList&)>& move) {
    Register opened;
    BrowseList& list = opened.list();
    for (auto _ : state) {
        list.firstPage();
        QElapsedTimer timer;
        timer.start();
        move(list);
        opened.draw();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}

void BM_ToTheLastPage(benchmark::State& state) {
    timeMove(state, [](BrowseList& list) { list.lastPage(); });
}
BENCHMARK(BM_ToTheLastPage)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DragTheThumbToTheMiddle(benchmark::State& state) {
    timeMove(state, [](BrowseList& list) {
        QScrollBar* thumb = list.scrollBar();
        thumb->setSliderDown(true);
        thumb->setSliderPosition((thumb->minimum() + thumb->maximum()) / 2);
        thumb->setSliderDown(false);
    });
}
BENCHMARK(BM_DragTheThumbToTheMiddle)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return BenchSupport::runBenchmarks(argc, argv, BenchSupport::QtNeed::Widgets);
}
