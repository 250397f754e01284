#include <gtest/gtest.h>

#include "data/data_folder.h"
#include "data/last.h"
#include "data/schema.h"
#include "print/profile.h"
#include "runtime/report/report_layout.h"
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

TEST_F(ProfileTest, ApplyingAnEntryPlacesTheControlAndGivesItTheProfileFont) {
    ASSERT_TRUE(Profile::readActive(last()));
    RecordBuffer& p = last().record();
    p.setNumber(LAS::AXS223, 85.3);
    p.setNumber(LAS::AYS22, 83.7);
    p.setInteger(LAS::FONTSIZE, 9);
    TextControl control = TextControl::label(QStringLiteral("?FR3:S223"), {1, 2}, {});
    control.withFont(FontSpec{});
    Profile::apply(control, p, {LAS::AXS223, LAS::AYS22});
    EXPECT_EQ(control.pos, QPointF(85.3, 83.7));
    ASSERT_TRUE(control.font);
    EXPECT_EQ(*control.font, Profile::font(p));
    EXPECT_DOUBLE_EQ(control.font->pointSize, 9);
}

struct StandardPlace {
    LAS::Field field;
    double mm;
};

TEST_F(ProfileTest, NewTableStartsWithTheStandardProfileAtTheBasePlaces) {
    ASSERT_TRUE(Profile::readActive(last()));
    const RecordBuffer& p = last().record();
    EXPECT_EQ(p.integer(LAS::NFORM), 1);
    EXPECT_EQ(p.text(LAS::NAME), QStringLiteral("Стандартный лазерный принтер"));
    EXPECT_EQ(p.text(LAS::TYPEFACE), QStringLiteral("Arial Cyr"));
    EXPECT_EQ(p.integer(LAS::FONTSIZE), 10);
    EXPECT_EQ(p.integer(LAS::FONTSTYLE), 400);
    EXPECT_EQ(p.integer(LAS::FONTCOLOR), 0);
    EXPECT_EQ(p.integer(LAS::CHARSET), 204);
    const StandardPlace places[] = {
        {LAS::AXZ1, 24},
        {LAS::AYZ1, 29},
        {LAS::AXDAY, 131},
        {LAS::AYGOD, 62},
        {LAS::AZS1, 153},
        {LAS::AXS2, 23},
        {LAS::AYS5, 103},
        {LAS::AXKOL, 47},
        {LAS::AXUP, 143},  // where MK prints
        {LAS::AXMK, 97},   // where UP prints
        {LAS::AYMK, 96},
        {LAS::AXDV, 152},
        {LAS::AYDV, 110},
        {LAS::AXS143, 107},
        {LAS::AYS191, 195},
        {LAS::AXP3, 111},  // the certificate's, not the counterfoil's 114
        {LAS::AYP4, 257},
        {LAS::AXP1, 26},
        {LAS::AYP1, 247},
        {LAS::AXP2, 26},
        {LAS::AYP2, 257},
        {LAS::AYS20, 75},
        {LAS::AYS22, 83},
        {LAS::AYS25, 95},
        {LAS::AXS20, 28},
        {LAS::AXS25, 28},
        {LAS::AXS201, 53},
        {LAS::AXS223, 85},
        {LAS::AXS244, 102},
        {LAS::AXS256, 134},
        // Carried by the record, placing nothing.
        {LAS::AXZ5, 0},
        {LAS::AYZ6, 0},
        {LAS::AXS9, 0},
    };
    for (const auto& [field, mm] : places)
        EXPECT_DOUBLE_EQ(p.number(field), mm) << LAS::layout().qualifiedName(field).toStdString();
}
