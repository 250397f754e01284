#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <functional>

#include "data/shared_values.h"
#include "report_fixture.h"
#include "reports/rep_data.h"
#include "reports/rep_data_window.h"
#include "reports/rep_input1.h"
#include "reports/rep_input11.h"
#include "runtime/report/progress_window.h"
#include "runtime/report/report_preview.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/help.h"
#include "runtime/ui/input_notice.h"
#include "runtime/ui/settings_file.h"

namespace {

template <typename T>
std::vector<T*> shown() {
    std::vector<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
            found.push_back(window);
    return found;
}

// Lets the event loop run until the condition holds; false after 5 s.
bool waitUntil(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void runEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

QMessageBox* noticeTitled(const QString& title) {
    for (QMessageBox* box : shown<QMessageBox>())
        if (box->windowTitle() == title) return box;
    return nullptr;
}

class ReportWindows : public ReportFixture {
protected:
    ReportWindows() {
        SettingsFile::instance().setPath(settings_.file(QStringLiteral("vetdocs.INI")));
        add({{1001, QStringLiteral("10.03.2024")},
             {1002, QStringLiteral("11.03.2024")},
             {1003, QStringLiteral("12.03.2024"), QStringLiteral("Испорчено")}});
        D1.set(0);
        D2.set(0);
        COMMENT.set(QString());
    }
    ~ReportWindows() override {
        for (QWidget* widget : QApplication::topLevelWidgets())
            widget->close();
        runEventsFor(20);
    }

    void setPeriod(const QString& from, const QString& to, const QString& status) {
        D1.set(day(from));
        D2.set(day(to));
        COMMENT.set(status);
    }

    TempFolder settings_;
};

TEST_F(ReportWindows, DialogShowsTheSharedValuesAndKeepsWhatIsTyped) {
    setPeriod(QStringLiteral("01.03.2024"), QStringLiteral("31.03.2024"), QStringLiteral("Выдано"));
    RepDataWindow window;
    ControlSet& controls = window.controls();
    auto* from = controls.control<QLineEdit>(QStringLiteral("?D1"));
    auto* status = controls.control<QComboBox>(QStringLiteral("?COMMENT"));
    EXPECT_EQ(from->text(), QStringLiteral("01.03.2024"));
    EXPECT_EQ(status->currentText(), QStringLiteral("Выдано"));
    EXPECT_TRUE(from->alignment() & Qt::AlignRight);
    EXPECT_EQ(status->count(), 3);
    EXPECT_TRUE(status->isEditable());
    EXPECT_EQ(status->lineEdit()->maxLength(), 9);
    EXPECT_TRUE(controls.control<QPushButton>(QStringLiteral("?OKBUTTON"))->isDefault());

    from->setText(QStringLiteral("05.03.2024"));
    emit from->editingFinished();
    status->setEditText(QStringLiteral("Образец"));
    emit status->lineEdit()->editingFinished();
    EXPECT_EQ(D1.get(), day(QStringLiteral("05.03.2024")));
    EXPECT_EQ(COMMENT.get(), QStringLiteral("Образец"));
}

TEST_F(ReportWindows, QuestionMarkOpensTheReportsHelpTopic) {
    RepDataWindow window;
    window.controls().control<QPushButton>(QStringLiteral("?BUTTON5"))->click();
    EXPECT_EQ(Help::currentTopic(), QStringLiteral("Отчёт за период.htm"));
    ASSERT_TRUE(Help::window());
    Help::window()->close();
}

TEST_F(ReportWindows, DialogClosesByExitEscapeAndItsFrame) {
    const std::vector<std::pair<const char*, std::function<void(RepDataWindow*)>>> ways{
        {"Выйти",
         [](RepDataWindow* window) {
             window->controls().control<QPushButton>(QStringLiteral("?CANCELBUTTON"))->click();
         }},
        {"Escape", [](RepDataWindow* window) { QTest::keyClick(window, Qt::Key_Escape); }},
        {"close", [](RepDataWindow* window) { EXPECT_TRUE(window->window()->close()); }},
    };
    for (const auto& [name, closeIt] : ways) {
        Rep_data();
        const auto dialogs = shown<RepDataWindow>();
        ASSERT_EQ(dialogs.size(), 1u) << name;
        closeIt(dialogs.front());
        runEventsFor(20);
        EXPECT_TRUE(shown<RepDataWindow>().empty()) << name;
    }
}

TEST_F(ReportWindows, ImpossibleDateIsAnsweredAtTheEntryAndStartsNothing) {
    setPeriod(QStringLiteral("01.03.2024"), QStringLiteral("31.03.2024"), QStringLiteral("Выдано"));
    RepDataWindow window;
    auto* to = window.controls().control<QLineEdit>(QStringLiteral("?D2"));
    to->setText(QStringLiteral("31.02.2024"));
    EXPECT_FALSE(window.print());
    EXPECT_FALSE(InputNotice::message(to).isEmpty());
    EXPECT_TRUE(InputNotice::isRefused(to));
    EXPECT_EQ(D2.get(), day(QStringLiteral("31.03.2024")));
    runEventsFor(50);
    EXPECT_TRUE(shown<ProgressWindow>().empty());
}

TEST_F(ReportWindows, EveryPrintIsARunOfItsOwnAndTheDialogStaysOpen) {
    Rep_data();
    auto dialogs = shown<RepDataWindow>();
    ASSERT_EQ(dialogs.size(), 1u);
    RepDataWindow* dialog = dialogs.front();
    auto* status = dialog->controls().control<QComboBox>(QStringLiteral("?COMMENT"));
    dialog->controls()
        .control<QLineEdit>(QStringLiteral("?D1"))
        ->setText(QStringLiteral("01.03.2024"));
    dialog->controls()
        .control<QLineEdit>(QStringLiteral("?D2"))
        ->setText(QStringLiteral("31.03.2024"));
    status->setEditText(QStringLiteral("Выдано"));
    dialog->controls().control<QPushButton>(QStringLiteral("?OKBUTTON"))->click();
    status->setEditText(QStringLiteral("Испорчено"));
    dialog->controls().control<QPushButton>(QStringLiteral("?OKBUTTON"))->click();

    ASSERT_TRUE(waitUntil([] { return shown<ReportPreview>().size() == 2; }));
    EXPECT_TRUE(dialog->isVisible());
    std::vector<int> details;
    for (ReportPreview* preview : shown<ReportPreview>()) {
        details.push_back(preview->document().details);
        EXPECT_EQ(preview->state().zoom(), 100);
    }
    std::sort(details.begin(), details.end());
    EXPECT_EQ(details, (std::vector<int>{1, 2}));
    // Each run's progress window was placed as saved under its procedure.
    EXPECT_TRUE(SettingsFile::instance()
                    .value(QStringLiteral("Rep_input1"), QStringLiteral("X"))
                    .isValid());
}

TEST_F(ReportWindows, RunTakesThePeriodWhenItStarts) {
    setPeriod(QStringLiteral("10.03.2024"), QStringLiteral("10.03.2024"), QStringLiteral("Выдано"));
    Rep_input1();
    setPeriod(QStringLiteral("01.01.2020"), QStringLiteral("01.01.2020"),
              QStringLiteral("Образец"));
    ASSERT_TRUE(waitUntil([] { return !shown<ReportPreview>().empty(); }));
    EXPECT_EQ(shown<ReportPreview>().front()->document().details, 1);
}

TEST_F(ReportWindows, EmptyPeriodShowsTheNoRecordsNoticeAndNoPreview) {
    setPeriod(QStringLiteral("31.03.2024"), QStringLiteral("01.03.2024"), QStringLiteral("Выдано"));
    Rep_input1();
    ASSERT_TRUE(waitUntil([] { return noticeTitled(QStringLiteral("No Records")) != nullptr; }));
    EXPECT_EQ(noticeTitled(QStringLiteral("No Records"))->text(),
              QStringLiteral("There are no records available to process."));
    EXPECT_TRUE(shown<ReportPreview>().empty());
    EXPECT_TRUE(shown<ProgressWindow>().empty());
}

TEST_F(ReportWindows, CancelStopsTheRunAndPreviewsNothing) {
    setPeriod(QStringLiteral("01.03.2024"), QStringLiteral("31.03.2024"), QStringLiteral("Выдано"));
    Rep_input1();
    const auto progress = shown<ProgressWindow>();
    ASSERT_EQ(progress.size(), 1u);
    EXPECT_EQ(progress.front()->windowTitle(), QStringLiteral("Готовность..."));
    progress.front()->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    runEventsFor(300);
    EXPECT_TRUE(shown<ProgressWindow>().empty());
    EXPECT_TRUE(shown<ReportPreview>().empty());
    EXPECT_FALSE(noticeTitled(QStringLiteral("No Records")));
}

TEST_F(ReportWindows, RegisterReportTakesTheFilterAndSpendsTheHandOver) {
    GLO_REPORTQUERYRESULT.set(QStringLiteral("fr3:nform=1002 or fr3:nform=1003"));
    const QString filter =
        QStringLiteral("fr3:nform=1002 or fr3:nform=1003 or fr3:nform=9000 or fr3:nform=9001");
    Rep_input11(filter);
    EXPECT_TRUE(GLO_REPORTQUERYRESULT.get().isEmpty());
    EXPECT_EQ(ZAPROS.get(), filter.left(60));
    ASSERT_TRUE(waitUntil([] { return !shown<ReportPreview>().empty(); }));
    EXPECT_EQ(shown<ReportPreview>().front()->document().details, 2);
    EXPECT_TRUE(SettingsFile::instance()
                    .value(QStringLiteral("Rep_input11"), QStringLiteral("X"))
                    .isValid());
}

TEST_F(ReportWindows, UnreadableFilterEndsTheRunWithAMessage) {
    Rep_input11(QStringLiteral("fr3:nform = = 1002"));
    const auto boxes = shown<QMessageBox>();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes.front()->text().startsWith(QStringLiteral("Ошибка в выражении")));
    runEventsFor(200);
    EXPECT_TRUE(shown<ProgressWindow>().empty());
    EXPECT_TRUE(shown<ReportPreview>().empty());
}

TEST_F(ReportWindows, WithoutADataFolderTheRunSaysSoAndStartsNothing) {
    DataFolder::activate({});
    setPeriod(QStringLiteral("01.03.2024"), QStringLiteral("31.03.2024"), QStringLiteral("Выдано"));
    Rep_input1();
    ASSERT_TRUE(waitUntil([] { return noticeTitled(QStringLiteral("БД не подключена")); }));
    runEventsFor(200);
    EXPECT_TRUE(shown<ProgressWindow>().empty());
    EXPECT_TRUE(shown<ReportPreview>().empty());
}

}  // namespace
