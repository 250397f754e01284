#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "report_fixtures.h"
#include "runtime/report/report_pass.h"
#include "runtime/report/report_run.h"

namespace {

using namespace std::chrono_literals;

// One chunk per batch, whatever the machine's speed.
constexpr ReportPass::Batching kOneChunk{10, 0ms};

class Pass : public ::testing::Test {
protected:
    ListSource source_{numberedRecords(45)};
    ReportLayout layout_ = listLayout(&source_.current);
};

TEST_F(Pass, ReadsInChunksAndReportsProgress) {
    ReportPass pass(layout_, source_, kOneChunk);
    EXPECT_TRUE(pass.step());
    EXPECT_EQ(source_.position(), 10);
    EXPECT_EQ(pass.percent(), 22);
    EXPECT_EQ(pass.outcome(), ReportOutcome::Running);
    EXPECT_EQ(pass.runToEnd(), ReportOutcome::Completed);
    EXPECT_EQ(source_.requests, (std::vector<int>{10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(pass.percent(), 100);
    const ReportDocument document = pass.takeDocument();
    EXPECT_EQ(document.details, 45);
    EXPECT_EQ(document.pages.size(), 4u);
}

TEST_F(Pass, ABatchKeepsReadingChunksWithinItsBudget) {
    ReportPass pass(layout_, source_, {10, std::chrono::milliseconds(60'000)});
    EXPECT_FALSE(pass.step()) << "one generous batch reads to the end";
    EXPECT_EQ(pass.outcome(), ReportOutcome::Completed);
    for (int request : source_.requests)
        EXPECT_EQ(request, 10);
}

TEST_F(Pass, CancelStopsReadingAndKeepsNoPages) {
    ReportPass pass(layout_, source_, kOneChunk);
    pass.step();
    pass.cancel();
    EXPECT_FALSE(pass.step());
    EXPECT_EQ(pass.runToEnd(), ReportOutcome::Cancelled);
    EXPECT_EQ(source_.position(), 10);
    EXPECT_TRUE(pass.takeDocument().pages.empty());
}

TEST_F(Pass, NothingSelectedEndsWithNoRecords) {
    source_.selects = [](const QString&) { return false; };
    ReportPass pass(layout_, source_, kOneChunk);
    EXPECT_EQ(pass.runToEnd(), ReportOutcome::NoRecords);
    EXPECT_EQ(source_.position(), 45);
    EXPECT_TRUE(pass.takeDocument().pages.empty());
    EXPECT_EQ(noRecordsTitle(), QStringLiteral("No Records"));
    EXPECT_EQ(noRecordsText(), QStringLiteral("There are no records available to process."));
}

TEST_F(Pass, EmptySourceEndsWithNoRecords) {
    ListSource empty{{}};
    ReportPass pass(layout_, empty);
    EXPECT_EQ(pass.runToEnd(), ReportOutcome::NoRecords);
}

TEST_F(Pass, ReadErrorEndsWithoutPages) {
    source_.failAt = 20;
    ReportPass pass(layout_, source_, kOneChunk);
    EXPECT_EQ(pass.runToEnd(), ReportOutcome::Failed);
    EXPECT_TRUE(pass.takeDocument().pages.empty());
}

TEST_F(Pass, OnlySelectedRecordsPrint) {
    source_.selects = [](const QString& record) { return record.toInt() % 5 == 0; };
    ReportPass pass(layout_, source_);
    ASSERT_EQ(pass.runToEnd(), ReportOutcome::Completed);
    const ReportDocument document = pass.takeDocument();
    EXPECT_EQ(document.details, 9);
    EXPECT_NE(findText(document.pages[0], QStringLiteral("45")), nullptr);
    EXPECT_NE(findText(document.pages[0], QStringLiteral("9")), nullptr) << "the footer's count";
}

// A source slow enough that a run spans many timer ticks.
class SlowSource : public ListSource {
public:
    using ListSource::ListSource;
    int fetch(int max, const std::function<void()>& printDetail) override {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5) {
        }
        return ListSource::fetch(max, printDetail);
    }
};

bool waitFor(const std::function<bool()>& condition, qint64 limitMs = 20'000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < limitMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return condition();
}

// The outcomes a run announces.
struct Finished {
    explicit Finished(ReportRun& run) {
        QObject::connect(&run, &ReportRun::finished,
                         [this](ReportOutcome outcome) { outcomes.push_back(outcome); });
    }
    size_t count() const { return outcomes.size(); }
    std::vector<ReportOutcome> outcomes;
};

QMessageBox* noRecordsNotice() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->windowTitle() == noRecordsTitle()) return box;
    }
    return nullptr;
}

class Run : public ::testing::Test {
protected:
    ReportLayout layout(ListSource& source) { return listLayout(&source.current); }
};

TEST_F(Run, ShowsProgressWhileReadingThenHandsOverThePages) {
    SlowSource source(numberedRecords(2000));
    const ReportLayout report = layout(source);
    ReportRun run(report, source, QPixmap());
    Finished finished(run);
    QPointer<ProgressWindow> window = run.progressWindow();
    run.start();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Готовность..."));
    auto* cancel = window->findChild<QPushButton*>(QStringLiteral("cancel"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Отмена"));
    EXPECT_EQ(cancel->toolTip(), QStringLiteral("Cancel Report"));
    auto* bar = window->findChild<QProgressBar*>(QStringLiteral("progress"));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    auto* percent = window->findChild<QLabel*>(QStringLiteral("percent"));
    EXPECT_EQ(percent->text(), QStringLiteral("0% Complete"));

    ASSERT_TRUE(waitFor([&] { return finished.count() > 0 || bar->value() > 0; }));
    if (finished.count() == 0) {
        EXPECT_EQ(percent->text(), QStringLiteral("%1% Complete").arg(bar->value()));
    }
    ASSERT_TRUE(waitFor([&] { return finished.count() > 0; }));
    EXPECT_EQ(finished.outcomes[0], ReportOutcome::Completed);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    EXPECT_EQ(run.takeDocument().details, 2000);
}

TEST_F(Run, CancelStopsAtOnceAndPreviewsNothing) {
    SlowSource source(numberedRecords(100'000));
    const ReportLayout report = layout(source);
    ReportRun run(report, source, QPixmap());
    Finished finished(run);
    run.start();
    ASSERT_TRUE(waitFor([&] { return source.position() > 0; }));
    run.progressWindow()->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    ASSERT_EQ(finished.count(), 1u) << "answered within the click";
    EXPECT_EQ(finished.outcomes[0], ReportOutcome::Cancelled);
    const qsizetype stoppedAt = source.position();
    waitFor([] { return false; }, 300);
    EXPECT_EQ(source.position(), stoppedAt);
    EXPECT_TRUE(run.takeDocument().pages.empty());
    EXPECT_EQ(noRecordsNotice(), nullptr);
}

TEST_F(Run, ClosingTheProgressWindowCancels) {
    SlowSource source(numberedRecords(100'000));
    const ReportLayout report = layout(source);
    ReportRun run(report, source, QPixmap());
    Finished finished(run);
    run.start();
    run.progressWindow()->close();
    ASSERT_EQ(finished.count(), 1u);
    EXPECT_EQ(finished.outcomes[0], ReportOutcome::Cancelled);
}

TEST_F(Run, NothingSelectedShowsTheNoRecordsNotice) {
    ListSource source(numberedRecords(30));
    source.selects = [](const QString&) { return false; };
    const ReportLayout report = layout(source);
    ReportRun run(report, source, QPixmap());
    Finished finished(run);
    run.start();
    ASSERT_TRUE(waitFor([&] { return finished.count() > 0; }));
    EXPECT_EQ(finished.outcomes[0], ReportOutcome::NoRecords);
    QMessageBox* notice = noRecordsNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), noRecordsText());
    EXPECT_FALSE(notice->isModal());
    notice->close();
}

TEST(ProgressWindowPlace, CentredOverItsParentWindow) {
    QWidget frame;
    frame.setGeometry(100, 100, 800, 600);
    ProgressWindow window(QPixmap(), &frame);
    EXPECT_EQ(window.geometry().center(), frame.geometry().center());
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
}

}  // namespace
