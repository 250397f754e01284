#include <gtest/gtest.h>

#include <algorithm>

#include "report_fixture.h"
#include "support/page_texts.h"

namespace {

const QString kPeriodTitle = QStringLiteral("Отчёт о документах \"Форма №2\"");

// The certificate numbers printed on the page, top to bottom: the texts in
// the number column of the detail area.
std::vector<QString> numbersOn(const Page& page) {
    std::vector<TextItem> numbers;
    for (const TextItem& text : textsOf(page))
        if (qFuzzyCompare(text.rect.left(), 14.0) && text.rect.top() >= 30) numbers.push_back(text);
    std::sort(numbers.begin(), numbers.end(),
              [](const TextItem& a, const TextItem& b) { return a.rect.top() < b.rect.top(); });
    std::vector<QString> texts;
    for (const TextItem& number : numbers)
        texts.push_back(number.text.trimmed());
    return texts;
}

int boxesOn(const Page& page, bool rounded) {
    return int(std::count_if(page.items.begin(), page.items.end(), [&](const PageItem& item) {
        const auto* box = std::get_if<BoxItem>(&item);
        return box && box->rounded == rounded;
    }));
}

class ReportPages : public ReportFixture {
protected:
    // Numbers from 1001 up, all issued on 11.03.2024.
    void addDay(int count) {
        std::vector<TestCertificate> certificates;
        for (int i = 1; i <= count; ++i)
            certificates.push_back({1000 + i, QStringLiteral("11.03.2024")});
        add(certificates);
    }
    ReportDocument periodPages() {
        auto report = period(QStringLiteral("10.03.2024"), QStringLiteral("15.03.2024"));
        return compose(*report);
    }
};

TEST_F(ReportPages, LongRunRepeatsTheHeadingAndCountsOnceAfterTheLastCertificate) {
    addDay(30);
    const ReportDocument document = periodPages();
    ASSERT_EQ(document.pages.size(), 3u);
    EXPECT_EQ(document.details, 30);
    const std::vector<size_t> perPage = {13, 13, 4};
    for (size_t p = 0; p < document.pages.size(); ++p) {
        const Page& page = document.pages[p];
        const TextItem* title = findText(page, kPeriodTitle);
        ASSERT_TRUE(title) << "page " << p + 1;
        EXPECT_DOUBLE_EQ(title->rect.top(), 11);
        const auto numbers = numbersOn(page);
        ASSERT_EQ(numbers.size(), perPage[p]) << "page " << p + 1;
        // Blocks follow each other 20 mm apart from the top of the detail area.
        const TextItem* first = findText(page, numbers.front());
        EXPECT_DOUBLE_EQ(first->rect.top(), 30);
        EXPECT_EQ(findText(page, QStringLiteral("30")) != nullptr, p == 2) << "page " << p + 1;
    }
    const Page& last = document.pages.back();
    EXPECT_EQ(numbersOn(last).back(), QStringLiteral("1030"));
    EXPECT_DOUBLE_EQ(findText(last, QStringLiteral("30"))->rect.top(), 30 + 4 * 20 + 2);
}

TEST_F(ReportPages, CountThatNoLongerFitsStartsAPageWithTheHeading) {
    addDay(13);  // 13 blocks of 20 mm fill the 260 mm of the detail area
    const ReportDocument document = periodPages();
    ASSERT_EQ(document.pages.size(), 2u);
    const Page& second = document.pages[1];
    EXPECT_TRUE(findText(second, kPeriodTitle));
    EXPECT_TRUE(numbersOn(second).empty());
    const TextItem* count = findText(second, QStringLiteral("13"));
    ASSERT_TRUE(count);
    EXPECT_DOUBLE_EQ(count->rect.top(), 32);
}

TEST_F(ReportPages, PeriodHeadingShowsStatusAndDatesOnTheirOwnBackground) {
    add({{0, QStringLiteral("12.03.2024")}});
    const ReportDocument document = periodPages();
    ASSERT_EQ(document.pages.size(), 1u);
    const Page& page = document.pages.front();
    for (const QString& value :
         {QStringLiteral("Выдано"), QStringLiteral("10.03.2024"), QStringLiteral("15.03.2024")}) {
        const TextItem* item = findText(page, value);
        ASSERT_TRUE(item) << value.toStdString();
        EXPECT_TRUE(item->opaque) << value.toStdString();
    }
    EXPECT_FALSE(findText(page, kPeriodTitle)->opaque);
    EXPECT_EQ(boxesOn(page, false), 2);  // the column heading's frame and the count's
    // Number 0 prints blank.
    EXPECT_EQ(numbersOn(page), std::vector<QString>{QString()});
}

TEST_F(ReportPages, QueryHeadingShowsTheStartOfTheFilterInGreyBrackets) {
    add({{1001, QStringLiteral("12.03.2024")}});
    const QString filter =
        QStringLiteral("fr3:nform=1001 or fr3:nform=2002 or fr3:nform=3003 or fr3:nform=4004");
    auto report = byQuery(filter);
    ASSERT_TRUE(report);
    const ReportDocument document = compose(*report);
    ASSERT_EQ(document.pages.size(), 1u);
    const Page& page = document.pages.front();
    const TextItem* query = findText(page, filter.left(60));
    ASSERT_TRUE(query);
    EXPECT_EQ(query->color, QColor(128, 128, 128));
    EXPECT_TRUE(query->opaque);
    EXPECT_EQ(query->align, Qt::AlignHCenter);
    EXPECT_TRUE(findText(page, QStringLiteral("[произвольный по запросу]")));
    EXPECT_FALSE(findText(page, kPeriodTitle));
    EXPECT_EQ(boxesOn(page, true), 3);
    EXPECT_TRUE(findText(page, QStringLiteral("1")));  // the count
}

}  // namespace
