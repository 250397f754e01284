#include <gtest/gtest.h>

#include <functional>

#include "browse_test_table.h"
#include "runtime/ui/browse_pager.h"
#include "runtime/ui/browse_table_source.h"

namespace {

using namespace BrowseTest;

constexpr int kPage = 10;

// Numbers 1..1000 in number order, ten rows a page.
class BrowsePagerTest : public ::testing::Test {
protected:
    BrowsePagerTest() {
        table.addNumbers(1, 1000);
        pager.setPageSize(kPage);
        pager.setSource(&counting);
        counting.reset();
    }

    std::vector<qint64> shown() const { return numbersOf(pager.rows()); }
    qint64 highlighted() const { return numberOf(*pager.currentRow()); }
    static std::vector<qint64> run(qint64 first, qint64 last) {
        std::vector<qint64> numbers;
        for (qint64 n = first; n <= last; ++n)
            numbers.push_back(n);
        return numbers;
    }

    PeopleTable table;
    BrowseTableSource source{table.access(), People::ByNum};
    CountingSource counting{source};
    BrowsePager pager;
};

TEST_F(BrowsePagerTest, NextPageWalksTheTableReadingOnePagePerMove) {
    for (qint64 first = 11; first <= 991; first += kPage) {
        counting.reset();
        pager.nextPage();
        ASSERT_EQ(shown(), run(first, first + kPage - 1));
        EXPECT_EQ(counting.reads, 1);
        EXPECT_LE(counting.rows, kPage);
    }
    EXPECT_EQ(highlighted(), 991);
    pager.nextPage();  // at the end the highlight goes to the last row
    EXPECT_EQ(shown(), run(991, 1000));
    EXPECT_EQ(highlighted(), 1000);
}

TEST_F(BrowsePagerTest, PriorPageWalksBackReadingOnePagePerMove) {
    pager.last();
    EXPECT_EQ(shown(), run(991, 1000));
    EXPECT_EQ(highlighted(), 1000);
    for (qint64 first = 981; first >= 1; first -= kPage) {
        counting.reset();
        pager.priorPage();
        ASSERT_EQ(shown(), run(first, first + kPage - 1));
        EXPECT_EQ(counting.reads, 1);
        EXPECT_LE(counting.rows, kPage);
    }
    pager.priorPage();
    EXPECT_EQ(highlighted(), 1);
}

TEST_F(BrowsePagerTest, RecordByRecordReadsAtMostOneRowPerMove) {
    for (qint64 n = 2; n <= 1000; ++n) {
        counting.reset();
        pager.nextRecord();
        ASSERT_EQ(highlighted(), n);
        ASSERT_LE(counting.rows, 1);
    }
    EXPECT_EQ(shown(), run(991, 1000));
    pager.nextRecord();
    EXPECT_EQ(highlighted(), 1000);
    for (qint64 n = 999; n >= 1; --n) {
        counting.reset();
        pager.priorRecord();
        ASSERT_EQ(highlighted(), n);
        ASSERT_LE(counting.rows, 1);
    }
    EXPECT_EQ(shown(), run(1, 10));
}

struct MoveCase {
    const char* name;
    std::function<void(BrowsePager&)> move;
    qint64 firstShown;
    qint64 highlighted;
};

// From the page 500..509 with 503 highlighted.
class BrowsePagerMoveTest : public BrowsePagerTest,
                            public ::testing::WithParamInterface<MoveCase> {};

TEST_P(BrowsePagerMoveTest, ShowsThePageAroundTheNewRowReadingAtMostTwoPages) {
    pager.locate(qint64{500});
    pager.select(3);
    ASSERT_EQ(highlighted(), 503);
    counting.reset();
    GetParam().move(pager);
    EXPECT_EQ(shown().front(), GetParam().firstShown);
    EXPECT_EQ(shown().size(), size_t{kPage});
    EXPECT_EQ(highlighted(), GetParam().highlighted);
    EXPECT_EQ(shown(), run(shown().front(), shown().front() + kPage - 1));
    EXPECT_LE(counting.rows, 2 * kPage);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, BrowsePagerMoveTest,
    ::testing::Values(
        MoveCase{"NextRecord", [](BrowsePager& p) { p.nextRecord(); }, 500, 504},
        MoveCase{"PriorRecord", [](BrowsePager& p) { p.priorRecord(); }, 500, 502},
        MoveCase{"NextPage", [](BrowsePager& p) { p.nextPage(); }, 510, 513},
        MoveCase{"PriorPage", [](BrowsePager& p) { p.priorPage(); }, 490, 493},
        MoveCase{"First", [](BrowsePager& p) { p.first(); }, 1, 1},
        MoveCase{"Last", [](BrowsePager& p) { p.last(); }, 991, 1000},
        MoveCase{"ScrollKeepsTheHighlightInView", [](BrowsePager& p) { p.scroll(3); }, 503, 503},
        MoveCase{"ScrollBack", [](BrowsePager& p) { p.scroll(-3); }, 497, 503},
        MoveCase{"ScrollPastTheHighlight", [](BrowsePager& p) { p.scroll(5); }, 505, 505},
        MoveCase{"ScrollBeyondTheEnd",
                 [](BrowsePager& p) {
                     p.last();
                     p.scroll(4);
                 },
                 991, 1000},
        MoveCase{"Locate", [](BrowsePager& p) { p.locate(qint64{777}); }, 777, 777},
        MoveCase{"LocateNearTheEndFillsThePage", [](BrowsePager& p) { p.locate(qint64{995}); }, 991,
                 995},
        MoveCase{"LocateBeyondTheLastGoesToIt", [](BrowsePager& p) { p.locate(qint64{5000}); }, 991,
                 1000},
        MoveCase{"JumpKeepsTheScreenRow", [](BrowsePager& p) { p.jumpTo(0.25); }, 248, 251},
        MoveCase{"JumpToTheStart", [](BrowsePager& p) { p.jumpTo(0); }, 1, 1},
        MoveCase{"JumpToTheEnd", [](BrowsePager& p) { p.jumpTo(1); }, 991, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrowsePagerTest, FractionFollowsTheHighlightedRow) {
    EXPECT_DOUBLE_EQ(pager.fraction(), 0);
    pager.locate(qint64{500});
    EXPECT_NEAR(pager.fraction(), 0.5, 0.01);
    pager.last();
    EXPECT_DOUBLE_EQ(pager.fraction(), 1);
}

TEST_F(BrowsePagerTest, PageSizeChangesKeepTheHighlightedRow) {
    pager.locate(qint64{500});
    pager.select(8);
    pager.setPageSize(5);
    EXPECT_EQ(shown(), run(504, 508));
    EXPECT_EQ(highlighted(), 508);
    pager.setPageSize(12);
    EXPECT_EQ(shown(), run(504, 515));
    EXPECT_EQ(highlighted(), 508);
    pager.last();
    pager.setPageSize(20);  // no more rows after: the page grows upwards
    EXPECT_EQ(shown(), run(981, 1000));
    EXPECT_EQ(highlighted(), 1000);
}

TEST_F(BrowsePagerTest, RefreshAtHighlightsTheAddedRecordWhereTheHighlightWas) {
    pager.locate(qint64{500});
    pager.select(3);
    const qint64 added = table.add(505, QStringLiteral("another 505"));
    pager.refreshAt(added);
    ASSERT_NE(pager.currentRow(), nullptr);
    EXPECT_EQ(pager.currentRow()->position, added);
    EXPECT_EQ(pager.current(), 3);
    // The twin follows the older 505 in stored order.
    EXPECT_EQ(shown(), (std::vector<qint64>{503, 504, 505, 505, 506, 507, 508, 509, 510, 511}));
}

TEST_F(BrowsePagerTest, RefreshAfterDeleteHighlightsTheNextRow) {
    pager.locate(qint64{500});
    pager.select(3);
    table.access().fetch(pager.currentRow()->position);
    table.access().remove();
    pager.refresh();
    EXPECT_EQ(highlighted(), 504);
    EXPECT_EQ(shown(), (std::vector<qint64>{500, 501, 502, 504, 505, 506, 507, 508, 509, 510}));
}

TEST_F(BrowsePagerTest, RefreshAfterDeletingTheLastRowHighlightsTheNewLast) {
    pager.last();
    table.access().fetch(pager.currentRow()->position);
    table.access().remove();
    pager.refresh();
    EXPECT_EQ(highlighted(), 999);
    EXPECT_EQ(shown(), run(990, 999));
}

TEST_F(BrowsePagerTest, RefreshFollowsAChangedKeyToItsNewPlace) {
    pager.locate(qint64{500});
    const qint64 position = pager.currentRow()->position;
    table.access().fetch(position);
    table.access().record().setInteger(People::NUM, 2000);
    table.access().update();
    pager.refreshAt(position);
    EXPECT_EQ(highlighted(), 2000);
    EXPECT_EQ(shown(), (std::vector<qint64>{992, 993, 994, 995, 996, 997, 998, 999, 1000, 2000}));
}

TEST_F(BrowsePagerTest, StaleAfterAnotherConnectionChangesTheTable) {
    EXPECT_FALSE(pager.stale());
    TableAccess other(table.def(), table.errors());
    ASSERT_TRUE(other.open());
    other.prime();
    other.record().setInteger(People::NUM, 1);
    ASSERT_TRUE(other.insert());
    EXPECT_TRUE(pager.stale());
    pager.refresh();
    EXPECT_FALSE(pager.stale());
    EXPECT_EQ(shown(), (std::vector<qint64>{1, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(BrowsePagerEmpty, EveryMoveOnAnEmptyTableShowsNothing) {
    PeopleTable table;
    BrowseTableSource source(table.access(), People::ByNum);
    BrowsePager pager;
    pager.setSource(&source);
    for (auto move : {&BrowsePager::first, &BrowsePager::last, &BrowsePager::nextRecord,
                      &BrowsePager::priorRecord, &BrowsePager::nextPage, &BrowsePager::priorPage,
                      &BrowsePager::refresh}) {
        (pager.*move)();
        EXPECT_TRUE(pager.rows().empty());
        EXPECT_EQ(pager.currentRow(), nullptr);
    }
    pager.jumpTo(0.5);
    pager.locate(qint64{3});
    EXPECT_EQ(pager.current(), -1);
    EXPECT_DOUBLE_EQ(pager.fraction(), 0);
    table.add(7);
    pager.refresh();  // the first record shows up
    EXPECT_EQ(numbersOf(pager.rows()), std::vector<qint64>{7});
}

}  // namespace
