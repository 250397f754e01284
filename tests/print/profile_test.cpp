#include <gtest/gtest.h>

#include "data/data_folder.h"
#include "data/last.h"
#include "data/schema.h"
#include "print/profile.h"
#include "runtime/storage/table_set.h"
#include "support/temp_folder.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder::setWorkFolder(work.path());
        ASSERT_TRUE(set.relate(u"LAST").open());
    }
    void TearDown() override { DataFolder::setWorkFolder({}); }

    TableAccess& last() { return set.access(u"LAST"); }
    void addProfile(int number, double axz1) {
        last().prime();
        last().record().setInteger(LAS::NFORM, number);
        last().record().setNumber(LAS::AXZ1, axz1);
        ASSERT_TRUE(last().insert());
    }

    TempFolder work;
    RecordingErrorManager errors;
    TableSet set{vetdocsSchema(), errors};
};

}  // namespace

TEST_F(ProfileTest, ActiveProfileIsTheLowestNumberWhateverTheOrderOfStoring) {
    ASSERT_TRUE(last().fetchKey(LAS::K1, 1));
    ASSERT_TRUE(last().remove());
    addProfile(7, 70.0);
    addProfile(3, 30.0);
    ASSERT_TRUE(Profile::readActive(last()));
    EXPECT_EQ(last().record().integer(LAS::NFORM), 3);
    EXPECT_DOUBLE_EQ(last().record().number(LAS::AXZ1), 30.0);
}

TEST_F(ProfileTest, EmptyTableLeavesABlankProfileAndNoMessage) {
    ASSERT_TRUE(last().fetchKey(LAS::K1, 1));
    ASSERT_TRUE(last().remove());
    last().record().setNumber(LAS::AXZ1, 12.5);
    EXPECT_FALSE(Profile::readActive(last()));
    EXPECT_DOUBLE_EQ(last().record().number(LAS::AXZ1), 0.0);
    EXPECT_EQ(last().record().text(LAS::TYPEFACE), QString());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ProfileTest, FontComesFromTheStoredWords) {
    ASSERT_TRUE(Profile::readActive(last()));
    RecordBuffer& p = last().record();
    p.setText(LAS::TYPEFACE, u"Times New Roman Cyr");
    p.setInteger(LAS::FONTSIZE, 12);
    p.setInteger(LAS::FONTSTYLE, 700 + 0x1000);
    p.setInteger(LAS::FONTCOLOR, 128 + 256 * 64);
    const FontSpec font = Profile::font(p);
    EXPECT_EQ(font.family, QStringLiteral("Times New Roman Cyr"));
    EXPECT_DOUBLE_EQ(font.pointSize, 12);
    EXPECT_TRUE(font.bold);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(font.color, QColor(128, 64, 0));
}
