#include <gtest/gtest.h>

#include "runtime/core/record_buffer.h"

namespace {
const RecordLayout& sample() {
    static const RecordLayout layout(QStringLiteral("SAMPLE"), QStringLiteral("SMP"),
                                     {{"NAME", FieldType::String, 5},
                                      {"FLAG", FieldType::Byte, 0},
                                      {"DAY", FieldType::Long, 0},
                                      {"NUM", FieldType::Decimal, 2},
                                      {"POS", FieldType::Decimal, 4, 1}});
    return layout;
}
enum { NAME, FLAG, DAY, NUM, POS };
}  // namespace

TEST(RecordBuffer, TextIsPaddedClippedAndCut) {
    RecordBuffer r(sample());
    EXPECT_EQ(r.setText(NAME, u"Юг"), SetResult::Ok);
    EXPECT_EQ(r.paddedText(NAME), QStringLiteral("Юг   "));
    EXPECT_EQ(r.text(NAME), QStringLiteral("Юг"));
    EXPECT_EQ(r.setText(NAME, u"Абвгдеж"), SetResult::Truncated);
    EXPECT_EQ(r.text(NAME), QStringLiteral("Абвгд"));
    EXPECT_EQ(r.setText(NAME, u"a😀"), SetResult::Unencodable);
    EXPECT_EQ(r.text(NAME), QStringLiteral("Абвгд"));  // unchanged
}

TEST(RecordBuffer, NumbersKeepTheirTypesAndRanges) {
    RecordBuffer r(sample());
    struct Case {
        int field;
        double value;
        SetResult result;
        double stored;
    };
    const Case cases[] = {
        {FLAG, 255, SetResult::Ok, 255},         {FLAG, 256, SetResult::OutOfRange, 255},
        {FLAG, -1, SetResult::OutOfRange, 255},  {DAY, -5, SetResult::Ok, -5},
        {DAY, 81649, SetResult::Ok, 81649},      {NUM, 999, SetResult::Ok, 999},
        {NUM, 1000, SetResult::OutOfRange, 999}, {POS, -12.34, SetResult::Ok, -12.3},
        {POS, 99999.9, SetResult::Ok, 99999.9},  {POS, 1e7, SetResult::OutOfRange, 99999.9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(r.setNumber(c.field, c.value), c.result) << c.field << " " << c.value;
        EXPECT_DOUBLE_EQ(r.number(c.field), c.stored) << c.field << " " << c.value;
    }
    EXPECT_EQ(r.scaled(POS), 999999);
}

TEST(RecordBuffer, ImageIsTheFixedLengthRecord) {
    RecordBuffer r(sample());
    EXPECT_EQ(r.image().size(), 5 + 1 + 4 + 2 + 4);
    r.setInteger(DAY, 0x01020304);
    EXPECT_EQ(r.rawField(DAY), QByteArray("\x04\x03\x02\x01", 4));  // little-endian
    EXPECT_FALSE(r.setImage(QByteArray(3, ' ')));
    RecordBuffer copy(sample());
    ASSERT_TRUE(copy.setImage(r.image()));
    EXPECT_EQ(copy, r);
}
