#include <gtest/gtest.h>

#include "runtime/core/day_date.h"

TEST(DayDate, DayNumbersCountFromTheEndOf1800) {
    EXPECT_EQ(DayDate::fromDate(QDate(1801, 1, 1)), 4);
    EXPECT_EQ(DayDate::fromDate(QDate(2024, 7, 15)), 81649);
    EXPECT_EQ(DayDate::toDate(81649), QDate(2024, 7, 15));
    EXPECT_FALSE(DayDate::toDate(0).isValid());
}

TEST(DayDate, ParseAndFormat) {
    struct Case {
        const char* text;
        std::optional<qint32> day;
    };
    const Case cases[] = {
        {"15.07.2024", 81649}, {"15/07/2024", 81649}, {"5.7.2024", 81639},
        {"15.07.24", 81649},   {"", 0},               {"   ", 0},
        {"29.02.2024", 81512}, {"31.02.2024", {}},    {"29.02.2023", {}},
        {"00.01.2024", {}},    {"15.13.2024", {}},    {"abc", {}},
        {"15.07", {}},         {"15.07.2024x", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayDate::parse(QString::fromUtf8(c.text)), c.day) << c.text;
    EXPECT_EQ(DayDate::format(81649), QStringLiteral("15.07.2024"));
    EXPECT_EQ(DayDate::format(0), QString());
}
