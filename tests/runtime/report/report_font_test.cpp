#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <utility>
#include <vector>

#include "runtime/report/report_font.h"

namespace {

struct FamilyCase {
    const char* stored;
    const char* installed;
};

class InstalledFamily : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(InstalledFamily, DropsCyrillicSuffixAndMapsToMetricTwin) {
    EXPECT_EQ(installedFamily(QString::fromUtf8(GetParam().stored)),
              QString::fromUtf8(GetParam().installed));
}

INSTANTIATE_TEST_SUITE_P(Families, InstalledFamily,
                         ::testing::Values(FamilyCase{"Arial", "Liberation Sans"},
                                           FamilyCase{"Arial CYR", "Liberation Sans"},
                                           FamilyCase{"Arial Cyr", "Liberation Sans"},
                                           FamilyCase{"  arial cyr  ", "Liberation Sans"},
                                           FamilyCase{"Times New Roman Cyr", "Liberation Serif"},
                                           FamilyCase{"Times New Roman", "Liberation Serif"},
                                           FamilyCase{"Courier New CYR", "Liberation Mono"},
                                           FamilyCase{"DejaVu Sans", "DejaVu Sans"},
                                           FamilyCase{"", "Liberation Sans"},
                                           FamilyCase{"Cyr", "Cyr"}));

TEST(ReportFont, StoredNameOfAnInstalledFaceIsTheFaceItStandsFor) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"Liberation Sans", "Arial"},
        {"Liberation Serif", "Times New Roman"},
        {"liberation mono", "Courier New"},
        {"DejaVu Sans", "DejaVu Sans"},
    };
    for (const auto& [installed, stored] : cases) {
        EXPECT_EQ(storedFamily(QString::fromLatin1(installed)), QString::fromLatin1(stored))
            << installed;
        EXPECT_EQ(installedFamily(storedFamily(QString::fromLatin1(installed))).toLower(),
                  QString::fromLatin1(installed).toLower());
    }
}

TEST(ReportFont, ResolvesToAnInstalledFaceWithCyrillic) {
    FontSpec asked;
    asked.family = QStringLiteral("Times New Roman CYR");
    const QFontInfo info(toQFont(asked));
    EXPECT_EQ(info.family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(QFontMetrics(toQFont(asked)).inFont(QChar(u'Ж')));
}

TEST(ReportFont, BlankFamilyAndZeroSizePrintAsArialTen) {
    const QFont font = toQFont(FontSpec::fromStored(QStringLiteral("   "), 0, 0, 0));
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 10);
    EXPECT_FALSE(font.bold());
}

struct StyleCase {
    int word;
    bool bold, italic, underline, strikeOut;
};

class StyleWord : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleWord, ReadsAndWritesTheFlags) {
    const StyleCase& c = GetParam();
    FontSpec asked;
    applyStyleWord(asked, c.word);
    EXPECT_EQ(asked.bold, c.bold);
    EXPECT_EQ(asked.italic, c.italic);
    EXPECT_EQ(asked.underline, c.underline);
    EXPECT_EQ(asked.strikeOut, c.strikeOut);
    const QFont font = toQFont(asked);
    EXPECT_EQ(font.bold(), c.bold);
    EXPECT_EQ(font.italic(), c.italic);
    EXPECT_EQ(font.underline(), c.underline);
    EXPECT_EQ(font.strikeOut(), c.strikeOut);
}

INSTANTIATE_TEST_SUITE_P(Words, StyleWord,
                         ::testing::Values(StyleCase{400, false, false, false, false},
                                           StyleCase{700, true, false, false, false},
                                           StyleCase{0x1000 + 400, false, true, false, false},
                                           StyleCase{0x2000 + 700, true, false, true, false},
                                           StyleCase{0x4000 + 0x1000 + 700, true, true, false,
                                                     true},
                                           StyleCase{0, false, false, false, false},
                                           StyleCase{600, true, false, false, false}));

TEST(StyleWord, RoundTripsEveryCombination) {
    for (int word : {400, 700}) {
        for (int flags = 0; flags < 8; ++flags) {
            const int stored = word | (flags << 12);
            FontSpec asked;
            applyStyleWord(asked, stored);
            EXPECT_EQ(styleWord(asked), stored);
        }
    }
}

struct ColorCase {
    qint64 word;
    QColor color;
};

class ColorWord : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorWord, IsRedPlusGreenTimes256PlusBlueTimes65536) {
    EXPECT_EQ(colorFromWord(GetParam().word), GetParam().color);
    EXPECT_EQ(colorWord(GetParam().color), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, ColorWord,
    ::testing::Values(ColorCase{0, QColor(0, 0, 0)}, ColorCase{255, QColor(255, 0, 0)},
                      ColorCase{0xFF00, QColor(0, 255, 0)}, ColorCase{0xFF0000, QColor(0, 0, 255)},
                      ColorCase{128 + 128 * 256 + 128 * 65536, QColor(128, 128, 128)},
                      ColorCase{255 + 255 * 256 + 128 * 65536, QColor(255, 255, 128)}));

TEST(ColorWord, NoColourAndSystemColoursPrintBlack) {
    EXPECT_EQ(colorFromWord(-1), QColor(Qt::black));
    EXPECT_EQ(colorFromWord(0x80000008), QColor(Qt::black));
}

TEST(ReportFont, FromStoredTakesEveryWord) {
    const FontSpec asked =
        FontSpec::fromStored(QStringLiteral("Arial CYR"), 12, 0x1000 + 700, 0x0000FF);
    EXPECT_EQ(asked.family, QStringLiteral("Arial CYR"));
    EXPECT_DOUBLE_EQ(asked.pointSize, 12);
    EXPECT_TRUE(asked.bold);
    EXPECT_TRUE(asked.italic);
    EXPECT_EQ(asked.color, QColor(255, 0, 0));
}

}  // namespace
