#include <gtest/gtest.h>

#include "data/forma3.h"
#include "register/date_block.h"
#include "runtime/core/day_date.h"

namespace {

struct DateCase {
    const char* date;
    int day;
    const char* month;
    int year;
};

class DateBlockTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateBlockTest, FollowsTheIssueDate) {
    RecordBuffer certificate(FR3::layout());
    certificate.setText(FR3::MES, u"мая");
    certificate.setInteger(FR3::DATAV, *DayDate::parse(QString::fromLatin1(GetParam().date)));
    DateBlock::derive(certificate);
    EXPECT_EQ(certificate.integer(FR3::DAY), GetParam().day);
    EXPECT_EQ(certificate.text(FR3::MES), QString::fromUtf8(GetParam().month));
    EXPECT_EQ(certificate.integer(FR3::GOD), GetParam().year);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateBlockTest,
                         ::testing::Values(DateCase{"15.07.2024", 15, "июля", 24},
                                           DateCase{"01.01.2000", 1, "января", 0},
                                           DateCase{"31.12.2099", 31, "декабря", 99},
                                           DateCase{"29.02.2008", 29, "февраля", 8},
                                           DateCase{"30.09.2031", 30, "сентября", 31}));

TEST(DateBlock, NoDateClearsDayAndYearAndKeepsTheMonthWord) {
    RecordBuffer certificate(FR3::layout());
    certificate.setInteger(FR3::DAY, 15);
    certificate.setText(FR3::MES, u"июля");
    certificate.setInteger(FR3::GOD, 24);
    DateBlock::derive(certificate);
    EXPECT_EQ(certificate.integer(FR3::DAY), 0);
    EXPECT_EQ(certificate.integer(FR3::GOD), 0);
    EXPECT_EQ(certificate.text(FR3::MES), u"июля");
}

TEST(DateBlock, MonthWordsAreGenitiveAndFitTheField) {
    const QStringList expected = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                  "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(DateBlock::monthWord(month), expected[month - 1]);
        EXPECT_LE(DateBlock::monthWord(month).size(), FR3::layout().field(FR3::MES).size);
    }
    EXPECT_TRUE(DateBlock::monthWord(0).isEmpty());
    EXPECT_TRUE(DateBlock::monthWord(13).isEmpty());
}

}  // namespace
