#include <gtest/gtest.h>

#include <QDir>

#include "app/global_options.h"
#include "data/data_folder.h"
#include "runtime/ui/settings_file.h"
#include "support/temp_folder.h"

namespace {

class GlobalOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { previousSettings = SettingsFile::instance().path(); }
    void TearDown() override {
        DataFolder::setWorkFolder({});
        SettingsFile::instance().setPath(previousSettings);
    }

    TempFolder work;
    QString previousSettings;
};

TEST_F(GlobalOptionsTest, SettingsFileLivesInTheWorkingFolder) {
    qsizetype next = -1;
    EXPECT_FALSE(applyGlobalOptions({"--workdir", work.path()}, next));
    EXPECT_EQ(next, 2);
    EXPECT_EQ(DataFolder::workFolder(), work.path());
    EXPECT_EQ(SettingsFile::instance().path(), QDir(work.path()).filePath("vetdocs.INI"));
}

TEST_F(GlobalOptionsTest, SettingsOptionNamesItsOwnFile) {
    qsizetype next = -1;
    const QString own = work.file("own.ini");
    EXPECT_FALSE(applyGlobalOptions({"--settings", own, "--workdir", work.path(), "check"}, next));
    EXPECT_EQ(next, 4);
    EXPECT_EQ(SettingsFile::instance().path(), own);
}

TEST_F(GlobalOptionsTest, MistakesAreRefusedWithTheirExitCodes) {
    qsizetype next = 0;
    const auto missing = applyGlobalOptions({"--workdir", work.file("нет")}, next);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->exitCode, 1);
    EXPECT_TRUE(missing->message.startsWith("Рабочая папка не найдена"));
    const auto noValue = applyGlobalOptions({"--settings"}, next);
    ASSERT_TRUE(noValue);
    EXPECT_EQ(noValue->exitCode, 2);
}

}  // namespace
