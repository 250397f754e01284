#include <gtest/gtest.h>

#include "runtime/core/packed_decimal.h"

TEST(PackedDecimal, RoundTripsAtEveryWidthTheLayoutsUse) {
    struct Case {
        int bytes;
        qint64 value;
    };
    const Case cases[] = {{2, 0},          {2, 999},       {2, -999},      {2, 7},
                          {4, 9999999},    {4, -9999999},  {4, 1234},      {5, 999999999},
                          {5, -999999999}, {5, 123456789}, {5, 1}};
    for (const Case& c : cases) {
        char buffer[9] = {};
        ASSERT_TRUE(PackedDecimal::encode(c.value, c.bytes, buffer)) << c.value;
        EXPECT_EQ(PackedDecimal::decode(buffer, c.bytes), c.value);
    }
}

TEST(PackedDecimal, RefusesValuesOutsideTheField) {
    char buffer[5] = {1, 2, 3, 4, 5};
    EXPECT_EQ(PackedDecimal::maxScaled(2), 999);
    EXPECT_EQ(PackedDecimal::maxScaled(5), 999999999);
    EXPECT_FALSE(PackedDecimal::encode(1000, 2, buffer));
    EXPECT_FALSE(PackedDecimal::encode(-1000, 2, buffer));
    EXPECT_FALSE(PackedDecimal::encode(1000000000, 5, buffer));
    EXPECT_EQ(buffer[0], 1);  // untouched
}

TEST(PackedDecimal, OnlyItsOwnBytesAreWritten) {
    char buffer[4] = {'x', 0, 0, 'y'};
    ASSERT_TRUE(PackedDecimal::encode(-42, 2, buffer + 1));
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(buffer[3], 'y');
}
