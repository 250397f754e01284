#include <gtest/gtest.h>

#include "report_fixture.h"

namespace {

// Stored out of order on purpose: the reports must order by date and number
// whatever order the certificates were entered in.
const std::vector<TestCertificate> kRegister = {
    {10, QStringLiteral("10.03.2024")},
    {11, QStringLiteral("09.03.2024")},
    {12, QStringLiteral("15.03.2024")},
    {13, QStringLiteral("16.03.2024")},
    {7, QStringLiteral("10.03.2024")},
    {14, QStringLiteral("12.03.2024"), QStringLiteral("выдано")},
    {15, QStringLiteral("12.03.2024"), QString()},
    {16, QString()},
    {0, QStringLiteral("12.03.2024")},
    {17, QStringLiteral("12.03.2024"), QStringLiteral("Испорчено")},
    {18, QString(), QString()},
};

struct PeriodCase {
    const char* name;
    QString from;
    QString to;
    QString status;
    std::vector<qint64> expected;
};

void PrintTo(const PeriodCase& c, std::ostream* os) {
    *os << c.name;
}

class PeriodSelection : public ReportFixture, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(PeriodSelection, PrintsTheCertificatesOfThePeriodInDateAndNumberOrder) {
    add(kRegister);
    const PeriodCase& c = GetParam();
    auto report = period(c.from, c.to, c.status);
    EXPECT_EQ(printed(*report), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PeriodSelection,
    ::testing::Values(
        PeriodCase{"BothBoundsIncluded", "10.03.2024", "15.03.2024", "Выдано", {7, 10, 0, 12}},
        PeriodCase{"SingleDay", "12.03.2024", "12.03.2024", "Выдано", {0}},
        PeriodCase{"OtherStatus", "01.03.2024", "31.03.2024", "Испорчено", {17}},
        PeriodCase{"LetterCaseKept", "01.03.2024", "31.03.2024", "выдано", {14}},
        PeriodCase{"BlankStatusSelectsBlankOnly", "01.03.2024", "31.03.2024", "", {15}},
        PeriodCase{"TrailingBlanksIgnored", "10.03.2024", "10.03.2024", "Выдано   ", {7, 10}},
        PeriodCase{"NoDatesOnly", "", "", "Выдано", {16}},
        PeriodCase{"NoDatesWithBlankStatus", "", "", "", {18}},
        PeriodCase{"OpenStartTakesUndatedFirst", "", "10.03.2024", "Выдано", {16, 11, 7, 10}},
        PeriodCase{"ReversedPeriod", "15.03.2024", "10.03.2024", "Выдано", {}},
        PeriodCase{"EmptyPeriod", "01.01.2020", "31.12.2020", "Выдано", {}},
        PeriodCase{"BeyondTheLastDay", "17.03.2024", "31.12.2099", "Выдано", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportFixture, PeriodWithDatesReadsOnlyItsStretchOfTheDateKey) {
    add(kRegister);
    const auto bounded = period(QStringLiteral("10.03.2024"), QStringLiteral("15.03.2024"));
    const auto open = period(QString(), QStringLiteral("15.03.2024"));
    EXPECT_TRUE(static_cast<CertificateOrder&>(bounded->source()).readsDateKey());
    EXPECT_FALSE(static_cast<CertificateOrder&>(open->source()).readsDateKey());
}

// A day's certificates may reach over many pages of the key, and the day
// must still come out in number order.
TEST_F(ReportFixture, LongDayIsSortedByNumberAcrossReads) {
    std::vector<TestCertificate> day;
    for (int i = 300; i > 0; --i)
        day.push_back({i, QStringLiteral("01.04.2024")});
    day.push_back({5000, QStringLiteral("02.04.2024")});
    add(day);
    auto report = period(QStringLiteral("01.04.2024"), QStringLiteral("02.04.2024"));
    const auto numbers = printed(*report);
    ASSERT_EQ(numbers.size(), 301u);
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
}

struct QueryCase {
    const char* name;
    QString filter;
    std::vector<qint64> expected;
};

void PrintTo(const QueryCase& c, std::ostream* os) {
    *os << c.name;
}

class QuerySelection : public ReportFixture, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(QuerySelection, PrintsWhatTheFilterSelectsInDateAndNumberOrder) {
    add(kRegister);
    auto report = byQuery(GetParam().filter, day(QStringLiteral("10.03.2024")),
                          day(QStringLiteral("12.03.2024")));
    ASSERT_TRUE(report);
    EXPECT_EQ(printed(*report), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, QuerySelection,
    ::testing::Values(
        QueryCase{"NoFilterTakesAll", "", {16, 18, 11, 7, 10, 0, 14, 15, 17, 12, 13}},
        QueryCase{"BlankFilterTakesAll", "   ", {16, 18, 11, 7, 10, 0, 14, 15, 17, 12, 13}},
        QueryCase{"UpperCaseStatus", "UPPER(FR3:comment)='ВЫДАНО'", {16, 11, 7, 10, 0, 14, 12, 13}},
        QueryCase{"PeriodNames", "fr3:datav>=d1 and fr3:datav<=d2", {7, 10, 0, 14, 15, 17}},
        QueryCase{"Undated", "fr3:datav=0", {16, 18}},
        QueryCase{"NothingMatches", "fr3:nform=999", {}},
        // The heading shows only the first 60 characters; the selection
        // takes the whole expression.
        QueryCase{"LongerThanTheHeading",
                  "fr3:nform=1 or fr3:nform=2 or fr3:nform=3 or fr3:nform=4 or fr3:nform=13",
                  {13}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportFixture, UnreadableFilterIsRefusedWithTheEvaluatorsMessage) {
    for (const QString& filter : {QStringLiteral("fr3:nform = = 3"), QStringLiteral("fr3:nosuch=1"),
                                  QStringLiteral("(fr3:nform=3")}) {
        auto made = CertificateReport::byQuery(forma3(), watch_, filter, 0, 0);
        ASSERT_TRUE(std::holds_alternative<QString>(made)) << filter.toStdString();
        EXPECT_TRUE(std::get<QString>(made).startsWith(QStringLiteral("Ошибка в выражении")))
            << std::get<QString>(made).toStdString();
    }
}

TEST(QueryHeading, IsTheFilterWithoutTrailingBlanksCutTo60Characters) {
    const QString longFilter = QString(70, u'x');
    EXPECT_EQ(CertificateReport::queryHeading(longFilter), QString(60, u'x'));
    EXPECT_EQ(CertificateReport::queryHeading(QStringLiteral("fr3:nform=1   ")),
              QStringLiteral("fr3:nform=1"));
    EXPECT_EQ(CertificateReport::queryHeading(QString()), QString());
}

// Records changed after the pass selected them print as they are now, and
// only while the filter still holds.
TEST_F(ReportFixture, QueryReportReadsSelectedCertificatesAgain) {
    add(kRegister);
    auto report = byQuery(QStringLiteral("fr3:nform>=10 and fr3:nform<=12"));
    std::vector<qint64> numbers;
    const auto note = [&] { numbers.push_back(forma3().record().integer(FR3::NFORM)); };
    // Reading the whole table selects 11, 10, 12; then number 10 changes.
    while (numbers.empty() && report->source().fetch(1, note) > 0) {
    }
    ASSERT_TRUE(forma3().fetchKey(FR3::K2, 12));
    forma3().record().setInteger(FR3::NFORM, 99);
    ASSERT_TRUE(forma3().update());
    while (report->source().fetch(16, note) > 0) {
    }
    EXPECT_EQ(numbers, (std::vector<qint64>{11, 10}));
}

}  // namespace
