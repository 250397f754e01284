#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "runtime/report/page_composer.h"

namespace {

constexpr double kMm = 0.01;
// Liberation Mono advances every character 0.6 em; at 10 pt that is
// 6 pt = 2.1167 mm. Liberation Sans digits advance 0.556 em.
constexpr double kMonoCharMm = 0.6 * 10 * 25.4 / 72;
constexpr double kSansDigitMm = 0.556 * 10 * 25.4 / 72;

FontSpec mono() {
    FontSpec font;
    font.family = QStringLiteral("Courier New");
    return font;
}

// Composes a list report with one detail per record.
class ListReport : public ::testing::Test {
protected:
    ReportDocument compose(int details) {
        PageComposer composer(layout_);
        for (int i = 1; i <= details; ++i) {
            current_ = QStringLiteral("Запись %1").arg(i);
            composer.addDetail();
        }
        return composer.finish();
    }

    QString current_;
    ReportLayout layout_ = listLayout(&current_);
};

TEST_F(ListReport, DetailsFlowDownTheDetailAreaUnderTheHeader) {
    const ReportDocument document = compose(3);
    ASSERT_EQ(document.pages.size(), 1u);
    const Page& page = document.pages[0];
    const TextItem* title = findText(page, QStringLiteral("Отчёт"));
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->rect.left(), 73, kMm);
    EXPECT_NEAR(title->rect.top(), 11, kMm);
    const auto& frame = std::get<BoxItem>(page.items[1]);
    EXPECT_EQ(frame.rect, QRectF(12, 19, 182, 10));
    for (int i = 1; i <= 3; ++i) {
        const TextItem* value = findText(page, QStringLiteral("Запись %1").arg(i));
        ASSERT_NE(value, nullptr) << i;
        EXPECT_NEAR(value->rect.left(), 14, kMm);
        EXPECT_NEAR(value->rect.top(), 30 + 20 * (i - 1), kMm);
    }
    const TextItem* count = findText(page, QStringLiteral("3"));
    ASSERT_NE(count, nullptr);
    EXPECT_NEAR(count->rect.top(), 30 + 3 * 20 + 2, kMm);
    EXPECT_EQ(count->align, Qt::AlignRight);
}

TEST_F(ListReport, FullPageBreaksRepeatHeaderAndPrintFooterOnce) {
    // 260 mm hold 13 details of 20 mm.
    const ReportDocument document = compose(27);
    ASSERT_EQ(document.pages.size(), 3u);
    EXPECT_EQ(document.details, 27);
    for (const Page& page : document.pages) {
        EXPECT_NE(findText(page, QStringLiteral("Отчёт")), nullptr);
        EXPECT_EQ(std::get<BoxItem>(page.items[1]).rect.top(), 19);
    }
    const TextItem* first = findText(document.pages[1], QStringLiteral("Запись 14"));
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(first->rect.top(), 30, kMm);
    const TextItem* last13 = findText(document.pages[0], QStringLiteral("Запись 13"));
    ASSERT_NE(last13, nullptr);
    EXPECT_NEAR(last13->rect.top(), 270, kMm);
    EXPECT_EQ(findText(document.pages[0], QStringLiteral("27")), nullptr);
    EXPECT_EQ(findText(document.pages[1], QStringLiteral("27")), nullptr);
    const TextItem* count = findText(document.pages[2], QStringLiteral("27"));
    ASSERT_NE(count, nullptr);
    EXPECT_NEAR(count->rect.top(), 30 + 20 + 2, kMm);
}

TEST_F(ListReport, FooterThatNoLongerFitsOpensAPageWithTheHeader) {
    const ReportDocument document = compose(13);
    ASSERT_EQ(document.pages.size(), 2u);
    const Page& last = document.pages[1];
    EXPECT_NE(findText(last, QStringLiteral("Отчёт")), nullptr);
    const TextItem* count = findText(last, QStringLiteral("13"));
    ASSERT_NE(count, nullptr);
    EXPECT_NEAR(count->rect.top(), 32, kMm);
}

TEST_F(ListReport, NoDetailsNoPagesNoFooter) {
    const ReportDocument document = compose(0);
    EXPECT_TRUE(document.pages.empty());
    EXPECT_EQ(document.details, 0);
}

TEST_F(ListReport, CountInADetailRunsWithTheDetails) {
    layout_.detail.add(TextControl::count(QStringLiteral("?N"), {180, 0}, QString()));
    const ReportDocument document = compose(2);
    QStringList running;
    for (const TextItem& text : textsOf(document.pages[0])) {
        if (text.rect.left() == 190) running << text.text;
    }
    EXPECT_EQ(running, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_NE(findText(document.pages[0], QStringLiteral("2")), nullptr);
}

TEST(FullPageReport, EachDetailIsAPageShiftedByTheOrigin) {
    QString current;
    ReportLayout layout = ReportLayout::fullPage(QStringLiteral("forma3 Report"));
    layout.detail.add(
        TextControl::field(QStringLiteral("?FR3:Z1"), {24, 29}, QStringLiteral("s48"), [&current] {
            return current;
        }).withSize(89, 4));
    layout.detail.add(LineControl::horizontal(QStringLiteral("?L"), {10, 100}, 50));
    layout.origin = QPointF(5, -3);
    PageComposer composer(layout);
    for (const char* value : {"первый", "второй", "третий"}) {
        current = QString::fromUtf8(value);
        composer.addDetail();
    }
    const ReportDocument document = composer.finish();
    EXPECT_EQ(document.title, QStringLiteral("forma3 Report"));
    ASSERT_EQ(document.pages.size(), 3u);
    const auto texts = textsOf(document.pages[2]);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, QStringLiteral("третий"));
    EXPECT_EQ(texts[0].rect, QRectF(29, 26, 89, 4));
    EXPECT_EQ(std::get<LineItem>(document.pages[2].items[1]).line, QLineF(15, 97, 65, 97));
}

TEST(FullPageReport, ChangesBetweenDetailsReachOnlyLaterPages) {
    ReportLayout layout = ReportLayout::fullPage(QStringLiteral("r"));
    layout.detail.add(TextControl::label(QStringLiteral("?A"), {24, 29}, QStringLiteral("A")));
    PageComposer composer(layout);
    composer.addDetail();
    TextControl* control = layout.text(QStringLiteral("?A"));
    ASSERT_NE(control, nullptr);
    control->pos = QPointF(40, 50);
    FontSpec big;
    big.pointSize = 12;
    control->font = big;
    layout.origin = QPointF(1, 2);
    composer.addDetail();
    const ReportDocument document = composer.finish();
    const auto before = textsOf(document.pages[0]);
    const auto after = textsOf(document.pages[1]);
    EXPECT_EQ(before[0].rect.topLeft(), QPointF(24, 29));
    EXPECT_DOUBLE_EQ(before[0].font.pointSizeF(), 10);
    EXPECT_EQ(after[0].rect.topLeft(), QPointF(41, 52));
    EXPECT_DOUBLE_EQ(after[0].font.pointSizeF(), 12);
}

TEST(FullPageReport, UnderlayTravelsWithEveryPage) {
    ReportLayout layout = ReportLayout::fullPage(QStringLiteral("r"));
    layout.underlay = QImage(10, 10, QImage::Format_RGB32);
    PageComposer composer(layout);
    composer.addDetail();
    composer.addDetail();
    const ReportDocument document = composer.finish();
    for (const Page& page : document.pages)
        EXPECT_FALSE(page.underlay.isNull());
}

// One text control in a band, composed once.
TextItem composeOne(const TextControl& control, const FontSpec& reportFont = FontSpec()) {
    ReportLayout layout = ReportLayout::fullPage(QStringLiteral("r"));
    layout.font = reportFont;
    layout.detail.add(control);
    PageComposer composer(layout);
    composer.addDetail();
    return textsOf(composer.finish().pages[0])[0];
}

TEST(TextWidths, LabelIsAsWideAsItsText) {
    const TextItem item = composeOne(
        TextControl::label(QStringLiteral("?L"), {10, 10}, QStringLiteral("ABCD")), mono());
    EXPECT_NEAR(item.rect.width(), 4 * kMonoCharMm, kMm);
}

TEST(TextWidths, FitValueFollowsTheValue) {
    qint64 value = 5;
    auto control = TextControl::field(QStringLiteral("?DAY"), {131, 62}, QStringLiteral("P##P"),
                                      [&value] { return value; })
                       .fitValue()
                       .withHeight(4)
                       .aligned(TextAlign::Decimal);
    const TextItem day = composeOne(control, mono());
    control.picture = QStringLiteral("n5");
    value = 12345;
    const TextItem five = composeOne(control, mono());
    EXPECT_EQ(day.text, QStringLiteral("05"));
    EXPECT_NEAR(day.rect.width(), 2 * kMonoCharMm, kMm);
    EXPECT_NEAR(five.rect.width(), 5 * kMonoCharMm, kMm);
    EXPECT_DOUBLE_EQ(day.rect.height(), 4);
}

TEST(TextWidths, PictureWidthKeepsRightAlignedNumbersInAColumn) {
    qint64 number = 5;
    const auto control =
        TextControl::field(QStringLiteral("?FR3:NFORM"), {4, 0}, QStringLiteral("n_9b"), [&number] {
            return number;
        }).aligned(TextAlign::Right);
    const TextItem small = composeOne(control);
    number = 123456789;
    const TextItem large = composeOne(control);
    EXPECT_NEAR(small.rect.width(), 9 * kSansDigitMm, 0.02);
    EXPECT_EQ(small.rect, large.rect);
    EXPECT_EQ(large.text, QStringLiteral("123456789"));
}

TEST(TextWidths, DefaultHeightIsTheFontsLineHeight) {
    // Liberation Sans: ascent 0.905 em plus descent 0.212 em.
    const TextItem item =
        composeOne(TextControl::label(QStringLiteral("?L"), {0, 0}, QStringLiteral("Ж")));
    EXPECT_NEAR(item.rect.height(), 1.117 * 10 * 25.4 / 72, 0.05);
}

TEST(TextWidths, TextLongerThanItsBoxIsCutAtTheLastWholeCharacter) {
    const TextItem item =
        composeOne(TextControl::label(QStringLiteral("?L"), {0, 0}, QStringLiteral("0123456789AB"))
                       .withSize(21, 4),
                   mono());
    EXPECT_EQ(item.text, QStringLiteral("012345678"));
    EXPECT_EQ(item.rect.width(), 21);
}

TEST(TextWidths, DecimalAlignmentLetsTheFractionPassTheRightEdge) {
    const TextItem item = composeOne(TextControl::field(QStringLiteral("?N"), {10, 0}, QString(),
                                                        [] { return QStringLiteral("12.5"); })
                                         .withSize(20, 4)
                                         .aligned(TextAlign::Decimal),
                                     mono());
    EXPECT_EQ(item.align, Qt::AlignRight);
    EXPECT_NEAR(item.rect.right(), 30 + 2 * kMonoCharMm, kMm);
    EXPECT_EQ(item.text, QStringLiteral("12.5"));
}

TEST(TextItems, PaddingIsDroppedSoCentredTextStaysCentred) {
    const TextItem item =
        composeOne(TextControl::field(QStringLiteral("?FR3:S2"), {23, 76}, QStringLiteral("s91"),
                                      [] { return QStringLiteral("Кому   "); })
                       .withSize(168, 4)
                       .aligned(TextAlign::Centre));
    EXPECT_EQ(item.text, QStringLiteral("Кому"));
    EXPECT_EQ(item.align, Qt::AlignHCenter);
}

TEST(TextItems, ControlFontColourAndOpacityReachTheItem) {
    FontSpec grey;
    grey.pointSize = 7;
    grey.color = QColor(128, 128, 128);
    grey.bold = true;
    const TextItem item = composeOne(TextControl::label(QStringLiteral("?Z"), {97, 5}, "[x]")
                                         .withSize(82, 4)
                                         .withFont(grey)
                                         .opaqueBackground());
    EXPECT_EQ(item.color, QColor(128, 128, 128));
    EXPECT_TRUE(item.opaque);
    EXPECT_TRUE(item.font.bold());
    EXPECT_DOUBLE_EQ(item.font.pointSizeF(), 7);
    EXPECT_EQ(item.font.family(), QStringLiteral("Liberation Sans"));
}

TEST(ReportLayoutLookup, FindsTextControlsInEveryBand) {
    QString current;
    ReportLayout layout = listLayout(&current);
    EXPECT_NE(layout.text(QStringLiteral("?STRING1")), nullptr);
    EXPECT_NE(layout.text(QStringLiteral("?VALUE")), nullptr);
    EXPECT_NE(layout.text(QStringLiteral("?KLIST")), nullptr);
    EXPECT_EQ(layout.text(QStringLiteral("?BOX1")), nullptr);
    EXPECT_EQ(layout.text(QStringLiteral("?NONE")), nullptr);
}

}  // namespace
