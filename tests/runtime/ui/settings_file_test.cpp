#include <gtest/gtest.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <thread>

#include "runtime/ui/settings_file.h"
#include "runtime/ui/window_placement.h"
#include "support/temp_folder.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsFileTest, ValuesSurviveTheNextRun) {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("vetdocs.INI"));
    {
        SettingsFile settings(path);
        settings.setValue(QStringLiteral("BrowseFormf2"), QStringLiteral("Query1"),
                          QStringLiteral("UPPER(FR3:S2) = 'ООО «Нива»'"));
        settings.setValue(QStringLiteral("Main"), QStringLiteral("Width"), 800);
        ASSERT_TRUE(settings.sync());
    }
    SettingsFile again(path);
    EXPECT_EQ(again.value(QStringLiteral("BrowseFormf2"), QStringLiteral("Query1")).toString(),
              QStringLiteral("UPPER(FR3:S2) = 'ООО «Нива»'"));
    EXPECT_EQ(again.value(QStringLiteral("Main"), QStringLiteral("Width")).toInt(), 800);
    EXPECT_EQ(again.keys(QStringLiteral("Main")), QStringList{QStringLiteral("Width")});
    EXPECT_TRUE(again.problem().isEmpty());
}

TEST(SettingsFileTest, WindowsAndWorkersMayWriteAtOnce) {
    TempFolder folder;
    SettingsFile settings(folder.file(QStringLiteral("vetdocs.INI")));
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&settings, t] {
            for (int i = 0; i < 100; ++i)
                settings.setValue(QStringLiteral("Window%1").arg(t), QStringLiteral("Key%1").arg(i),
                                  i);
        });
    for (auto& writer : writers)
        writer.join();
    ASSERT_TRUE(settings.sync());
    SettingsFile again(folder.file(QStringLiteral("vetdocs.INI")));
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(again.keys(QStringLiteral("Window%1").arg(t)).size(), 100);
}

TEST(SettingsFileTest, MissingFileReadsAsDefaults) {
    TempFolder folder;
    SettingsFile settings(folder.file(QStringLiteral("none.INI")));
    EXPECT_EQ(settings.value(QStringLiteral("Main"), QStringLiteral("X"), 7).toInt(), 7);
    EXPECT_TRUE(settings.problem().isEmpty());
}

TEST(SettingsFileTest, DamagedFileIsKeptAsideAndReadsAsDefaults) {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("vetdocs.INI"));
    const QByteArray damaged("[Main\nX=\x01\x02\x03\n[Updateforma2\x00garbage", 38);
    writeFile(path, damaged);
    SettingsFile settings(path);
    EXPECT_FALSE(settings.value(QStringLiteral("Main"), QStringLiteral("X")).isValid());
    EXPECT_FALSE(settings.problem().isEmpty());
    settings.setValue(QStringLiteral("Main"), QStringLiteral("X"), 10);
    ASSERT_TRUE(settings.sync());
    EXPECT_EQ(readFile(path + QStringLiteral(".damaged")), damaged);
    EXPECT_EQ(SettingsFile(path).value(QStringLiteral("Main"), QStringLiteral("X")).toInt(), 10);
}

TEST(WindowPlacementTest, WindowReopensWhereItWasClosed) {
    TempFolder folder;
    SettingsFile settings(folder.file(QStringLiteral("vetdocs.INI")));
    QWidget first;
    first.setGeometry(120, 90, 410, 300);
    WindowPlacement::save(&first, QStringLiteral("BrowseBD"), settings);

    QWidget second;
    WindowPlacement::restore(&second, QStringLiteral("BrowseBD"), QSize(200, 100), settings);
    EXPECT_EQ(second.geometry(), QRect(120, 90, 410, 300));
    EXPECT_FALSE(second.windowState() & Qt::WindowMaximized);
}

TEST(WindowPlacementTest, NothingSavedGivesTheDefaultSize) {
    TempFolder folder;
    SettingsFile settings(folder.file(QStringLiteral("vetdocs.INI")));
    QWidget window;
    WindowPlacement::restore(&window, QStringLiteral("Zast"), QSize(376, 420), settings);
    EXPECT_EQ(window.size(), QSize(376, 420));
}

TEST(WindowPlacementTest, DamagedNumbersGiveTheDefaultSize) {
    TempFolder folder;
    SettingsFile settings(folder.file(QStringLiteral("vetdocs.INI")));
    settings.setValue(QStringLiteral("Zast"), QStringLiteral("Width"), QStringLiteral("wide"));
    settings.setValue(QStringLiteral("Zast"), QStringLiteral("X"), QStringLiteral("left"));
    QWidget window;
    WindowPlacement::restore(&window, QStringLiteral("Zast"), QSize(376, 420), settings);
    EXPECT_EQ(window.size(), QSize(376, 420));
}

TEST(WindowPlacementTest, MaximizedStateComesBack) {
    TempFolder folder;
    SettingsFile settings(folder.file(QStringLiteral("vetdocs.INI")));
    settings.setValue(QStringLiteral("Main"), QStringLiteral("Maximized"), true);
    QWidget window;
    WindowPlacement::restore(&window, QStringLiteral("Main"), QSize(600, 400), settings);
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
}

TEST(WindowPlacementTest, MdiChildKeepsItsPlaceInTheFrame) {
    TempFolder folder;
    SettingsFile settings(folder.file(QStringLiteral("vetdocs.INI")));
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto* window = new QWidget;
    QMdiSubWindow* sub = area.addSubWindow(window);
    sub->setGeometry(30, 40, 300, 200);
    WindowPlacement::save(window, QStringLiteral("UpdateBD"), settings);

    auto* again = new QWidget;
    QMdiSubWindow* sub2 = area.addSubWindow(again);
    WindowPlacement::restore(again, QStringLiteral("UpdateBD"), QSize(100, 100), settings);
    EXPECT_EQ(sub2->geometry(), QRect(30, 40, 300, 200));
}

TEST(WindowPlacementTest, FittedIntoMovesAndShrinksOnlyWhenItMust) {
    const QRect area(0, 0, 800, 600);
    EXPECT_EQ(WindowPlacement::fittedInto(QRect(10, 20, 300, 200), area), QRect(10, 20, 300, 200));
    EXPECT_EQ(WindowPlacement::fittedInto(QRect(600, 500, 300, 200), area),
              QRect(500, 400, 300, 200));
    EXPECT_EQ(WindowPlacement::fittedInto(QRect(-5, 10, 900, 200), area), QRect(0, 10, 800, 200));
}

struct PullCase {
    const char* name;
    QRect saved;
    QRect expected;
};

class PulledOntoTest : public ::testing::TestWithParam<PullCase> {};

// Two screens side by side: 1920x1080 and, to its right, 1280x1024.
const QList<QRect> kScreens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};

TEST_P(PulledOntoTest, PlacesTheWindowWhereItCanBeTakenHoldOf) {
    EXPECT_EQ(WindowPlacement::pulledOnto(GetParam().saved, kScreens), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PulledOntoTest,
    ::testing::Values(
        PullCase{"OnFirstScreen", QRect(100, 100, 400, 300), QRect(100, 100, 400, 300)},
        PullCase{"OnSecondScreen", QRect(2000, 50, 400, 300), QRect(2000, 50, 400, 300)},
        PullCase{"AcrossBothScreens", QRect(1800, 100, 400, 300), QRect(1800, 100, 400, 300)},
        PullCase{"FarRight", QRect(5000, 100, 400, 300), QRect(2800, 100, 400, 300)},
        PullCase{"AboveTheTop", QRect(100, -500, 400, 300), QRect(100, 0, 400, 300)},
        PullCase{"TitleAboveTheTop", QRect(100, -50, 400, 300), QRect(100, 0, 400, 300)},
        PullCase{"FarLeftAndLow", QRect(-3000, 5000, 400, 300), QRect(0, 780, 400, 300)},
        PullCase{"LargerThanTheScreen", QRect(4000, 0, 1500, 1200), QRect(1920, 0, 1280, 1024)},
        PullCase{"JustTheEdgeShows", QRect(1900, 1070, 400, 300), QRect(1920, 724, 400, 300)}),
    [](const auto& info) { return info.param.name; });

}  // namespace
