#include <gtest/gtest.h>

#include "data/config.h"
#include "data/forma3.h"
#include "data/last.h"
#include "data/licenziy.h"
#include "data/ridgen.h"
#include "runtime/core/record_buffer.h"

TEST(Layouts, RecordLengthsAndFieldCounts) {
    struct Case {
        const RecordLayout& layout;
        int fields;
        int length;
    };
    const Case cases[] = {{FR3::layout(), 90, 2920},
                          {LIC::layout(), 4, 54},
                          {LAS::layout(), 145, 634},
                          {KON::layout(), 3, 292},
                          {RID::layout(), 2, 37}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.layout.fieldCount(), c.fields) << c.layout.label().toStdString();
        EXPECT_EQ(c.layout.length(), c.length) << c.layout.label().toStdString();
    }
    EXPECT_EQ(FR3::FieldCount, 90);
    EXPECT_EQ(LAS::FieldCount, 145);
}

TEST(Layouts, FieldOrderTypesAndWidthsWhereTheyAreEasyToGetWrong) {
    const RecordLayout& fr3 = FR3::layout();
    // S141, S143, S144, S142 stand in this order, not in numeric order.
    EXPECT_EQ(fr3.field(FR3::S141).index, 32);
    EXPECT_EQ(fr3.field(FR3::S143).index, 33);
    EXPECT_EQ(fr3.field(FR3::S144).index, 34);
    EXPECT_EQ(fr3.field(FR3::S142).index, 35);
    EXPECT_EQ(fr3.field(FR3::NFORM).type, FieldType::Decimal);
    EXPECT_EQ(fr3.field(FR3::NFORM).size, 5);
    EXPECT_EQ(fr3.field(FR3::DATAV).type, FieldType::Long);
    EXPECT_EQ(fr3.field(FR3::CHEK).type, FieldType::Byte);
    EXPECT_EQ(fr3.field(FR3::P4).offset + 32, 2920);
    EXPECT_EQ(fr3.indexOf(u"FR3:Nform"), FR3::NFORM);
    EXPECT_EQ(fr3.indexOf(u"s142"), FR3::S142);
    EXPECT_EQ(fr3.indexOf(u"LAS:NFORM"), -1);

    const RecordLayout& las = LAS::layout();
    EXPECT_EQ(las.indexOf(u"AZS1"), LAS::AZS1);
    EXPECT_EQ(las.indexOf(u"AXS1"), -1);
    EXPECT_EQ(las.field(LAS::NAME).index, 5);
    EXPECT_EQ(las.field(LAS::AXZ1).places, 1);
    EXPECT_EQ(las.field(LAS::TYPEFACE).size, 31);
    EXPECT_EQ(las.field(LAS::CHARSET).offset + 4, 634);
    int coordinates = 0;
    for (const Field& f : las.fields())
        if (f.type == FieldType::Decimal && f.places == 1) ++coordinates;
    EXPECT_EQ(coordinates, 138);
}

TEST(Layouts, ClearedBufferIsBlankAndZero) {
    RecordBuffer r(FR3::layout());
    r.setText(FR3::S2, u"ООО «Ромашка»");
    r.setInteger(FR3::NFORM, 123456);
    r.setInteger(FR3::DATAV, 81649);
    r.setInteger(FR3::CHEK, 1);
    r.clear();
    for (int i = 0; i < FR3::FieldCount; ++i) EXPECT_TRUE(r.isBlank(i)) << i;
    EXPECT_EQ(r.text(FR3::S2), QString());
    EXPECT_EQ(r.paddedText(FR3::OPIS), QString(25, u' '));
}
