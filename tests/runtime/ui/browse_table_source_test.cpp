#include <gtest/gtest.h>

#include "browse_test_table.h"
#include "runtime/ui/browse_table_source.h"

namespace {

using namespace BrowseTest;

using Numbers = std::vector<qint64>;

std::vector<QString> namesOf(const std::vector<StoredRecord>& rows) {
    std::vector<QString> names;
    RecordBuffer record(People::layout());
    for (const StoredRecord& row : rows) {
        record.setImage(row.image);
        names.push_back(record.text(People::NAME));
    }
    return names;
}

TEST(BrowseTableSource, StoredOrderIsTheOrderOfAdding) {
    PeopleTable table;
    for (qint64 n : {3, 1, 2, 0})
        table.add(n);
    BrowseTableSource source(table.access(), -1);
    EXPECT_EQ(numbersOf(source.next(nullptr, 10)), (Numbers{3, 1, 2, 0}));
    EXPECT_EQ(numbersOf(source.prior(nullptr, 2)), (Numbers{2, 0}));
    const auto rows = source.next(nullptr, 10);
    EXPECT_EQ(numbersOf(source.next(&rows[1], 10)), (Numbers{2, 0}));
    EXPECT_EQ(source.locatorField(), -1);
}

TEST(BrowseTableSource, KeyOrderLeavesOutRecordsWithABlankKey) {
    PeopleTable table;
    for (qint64 n : {3, 0, 1})
        table.add(n);
    const qint64 zero = 2;
    BrowseTableSource source(table.access(), People::ByNum);
    EXPECT_EQ(numbersOf(source.next(nullptr, 10)), (Numbers{1, 3}));
    EXPECT_FALSE(source.find(zero));
    EXPECT_EQ(source.locatorField(), People::NUM);
}

// Three groups added in turns: record n is in group n % 3 + 1.
class BrowseRangeTest : public ::testing::Test {
protected:
    BrowseRangeTest() {
        table.batch([&] {
            for (qint64 n = 1; n <= 30; ++n)
                positions.push_back(table.add(n, {}, n % 3 + 1));
        });
    }

    PeopleTable table;
    std::vector<qint64> positions;
    BrowseTableSource source{table.access(), People::ByGroup};
};

TEST_F(BrowseRangeTest, OnlyRowsOfTheValueInStoredOrder) {
    source.limitTo(qint64{2});
    EXPECT_EQ(numbersOf(source.next(nullptr, 100)), (Numbers{1, 4, 7, 10, 13, 16, 19, 22, 25, 28}));
    EXPECT_EQ(numbersOf(source.prior(nullptr, 3)), (Numbers{22, 25, 28}));
    const auto first = source.next(nullptr, 3);
    EXPECT_EQ(numbersOf(source.next(&first.back(), 3)), (Numbers{10, 13, 16}));
    const auto last = source.prior(nullptr, 1);
    EXPECT_TRUE(source.next(&last.back(), 3).empty());  // the next group does not follow
    EXPECT_EQ(numbersOf(source.prior(&first.front(), 3)), Numbers{});
    EXPECT_EQ(source.locatorField(), -1);
}

TEST_F(BrowseRangeTest, FindsOnlyRowsInTheRange) {
    source.limitTo(qint64{2});
    EXPECT_TRUE(source.find(positions[0]));   // 1 is in group 2
    EXPECT_FALSE(source.find(positions[1]));  // 2 is in group 3
}

TEST_F(BrowseRangeTest, ValueWithoutRowsOrBlankShowsNothing) {
    for (qint64 value : {0, 9}) {
        source.limitTo(value);
        EXPECT_TRUE(source.next(nullptr, 10).empty()) << value;
        EXPECT_TRUE(source.prior(nullptr, 10).empty()) << value;
        EXPECT_FALSE(source.rowNear(0.5)) << value;
    }
}

TEST_F(BrowseRangeTest, EstimatesRunFromTheFirstToTheLastRowOfTheRange) {
    source.limitTo(qint64{3});  // 2, 5, ... 29
    const auto rows = source.next(nullptr, 100);
    EXPECT_DOUBLE_EQ(source.fractionOf(rows.front()), 0);
    EXPECT_DOUBLE_EQ(source.fractionOf(rows.back()), 1);
    EXPECT_EQ(numberOf(*source.rowNear(0)), 2);
    EXPECT_EQ(numberOf(*source.rowNear(0.5)), 17);
    EXPECT_EQ(numberOf(*source.rowNear(1)), 29);
}

// Every seventh of 1..1000.
class BrowseFilterTest : public ::testing::Test {
protected:
    BrowseFilterTest() {
        table.addNumbers(1, 1000);
        source.setFilter([](const RecordBuffer& r) { return r.integer(People::NUM) % 7 == 0; });
    }

    PeopleTable table;
    BrowseTableSource source{table.access(), People::ByNum};
};

TEST_F(BrowseFilterTest, PagesAreFilledWithAcceptedRows) {
    EXPECT_EQ(numbersOf(source.next(nullptr, 5)), (Numbers{7, 14, 21, 28, 35}));
    EXPECT_EQ(numbersOf(source.prior(nullptr, 3)), (Numbers{980, 987, 994}));
    const auto page = source.next(nullptr, 5);
    EXPECT_EQ(numbersOf(source.next(&page.back(), 3)), (Numbers{42, 49, 56}));
    EXPECT_EQ(numbersOf(source.prior(&page.back(), 2)), (Numbers{21, 28}));
    EXPECT_EQ(numbersOf(source.from(qint64{500}, 2)), (Numbers{504, 511}));
    EXPECT_EQ(numbersOf(source.next(nullptr, 1000)).size(), 142u);
}

// Pages that take several reads neither skip nor repeat rows, whichever
// row ends a read.
TEST_F(BrowseFilterTest, PagesOverManyReadsHaveNoGapsOrRepeats) {
    for (qint64 divisor : {2, 3, 5, 50, 400}) {
        source.setFilter(
            [divisor](const RecordBuffer& r) { return r.integer(People::NUM) % divisor == 0; });
        for (int count : {1, 3, 10}) {
            Numbers first, last;
            for (qint64 i = 1; i <= count && i * divisor <= 1000; ++i) {
                first.push_back(i * divisor);
                last.insert(last.begin(), (1000 / divisor - i + 1) * divisor);
            }
            EXPECT_EQ(numbersOf(source.next(nullptr, count)), first) << divisor << " " << count;
            EXPECT_EQ(numbersOf(source.prior(nullptr, count)), last) << divisor << " " << count;
        }
    }
}

TEST_F(BrowseFilterTest, FindSkipsRejectedRows) {
    EXPECT_TRUE(source.find(7));  // positions follow the numbers
    EXPECT_FALSE(source.find(8));
}

TEST_F(BrowseFilterTest, RowNearIsAnAcceptedRow) {
    const auto row = source.rowNear(0.5);
    ASSERT_TRUE(row);
    EXPECT_EQ(numberOf(*row), 504);
    EXPECT_EQ(numberOf(*source.rowNear(1)), 994);
}

TEST_F(BrowseFilterTest, FilterRejectingAllShowsNothing) {
    source.setFilter([](const RecordBuffer&) { return false; });
    EXPECT_TRUE(source.next(nullptr, 10).empty());
    EXPECT_TRUE(source.prior(nullptr, 10).empty());
    EXPECT_TRUE(source.from(qint64{10}, 10).empty());
}

// Names, in the key's order: А, б, В, г ... regardless of letter case.
class BrowseTextKeyTest : public ::testing::Test {
protected:
    BrowseTextKeyTest() {
        table.batch([&] {
            for (const char* name : {"гусев", "Андреев", "Волков", "борисов", "Дмитриев", "ершов"})
                table.add(1, QString::fromUtf8(name));
        });
    }

    PeopleTable table;
    BrowseTableSource source{table.access(), People::ByName};
};

TEST_F(BrowseTextKeyTest, LocatorIgnoresLetterCase) {
    const auto names = [&](const char* value) {
        return namesOf(source.from(QString::fromUtf8(value), 2));
    };
    EXPECT_EQ(names("б"),
              (std::vector<QString>{QStringLiteral("борисов"), QStringLiteral("Волков")}));
    EXPECT_EQ(names("ВОЛ"),
              (std::vector<QString>{QStringLiteral("Волков"), QStringLiteral("гусев")}));
    EXPECT_EQ(names("е"), (std::vector<QString>{QStringLiteral("ершов")}));
    EXPECT_TRUE(names("Я").empty());
}

TEST_F(BrowseTextKeyTest, EstimatesKeepTheOrder) {
    const auto rows = source.next(nullptr, 10);
    ASSERT_EQ(rows.size(), 6u);
    double before = -1;
    for (const StoredRecord& row : rows) {
        const double fraction = source.fractionOf(row);
        EXPECT_GT(fraction, before);
        before = fraction;
    }
    EXPECT_DOUBLE_EQ(source.fractionOf(rows.front()), 0);
    EXPECT_DOUBLE_EQ(source.fractionOf(rows.back()), 1);
    EXPECT_EQ(namesOf({*source.rowNear(0)}).front(), QStringLiteral("Андреев"));
    EXPECT_EQ(namesOf({*source.rowNear(1)}).front(), QStringLiteral("ершов"));
    // Halfway between А and Е lies Г.
    EXPECT_EQ(namesOf({*source.rowNear(0.5)}).front(), QStringLiteral("гусев"));
}

}  // namespace
