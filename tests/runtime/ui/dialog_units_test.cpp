#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>

#include "runtime/ui/dialog_units.h"

namespace {

QFont arial(int points) {
    return QFont(QStringLiteral("Arial"), points);
}

TEST(DialogUnitsTest, FourUnitsAcrossAreOneAverageLetterAndEightDownOneLine) {
    const QFont font = arial(8);
    const DialogUnits units(font);
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    EXPECT_NEAR(units.x(400), 100 * metrics.horizontalAdvance(letters) / 52, 1);
    EXPECT_NEAR(units.y(800), 100 * metrics.height(), 1);
}

TEST(DialogUnitsTest, UnitsGrowWithTheWindowFont) {
    const DialogUnits small(arial(8)), large(arial(16));
    EXPECT_NEAR(double(large.x(1000)) / small.x(1000), 2.0, 0.1);
    EXPECT_NEAR(double(large.y(1000)) / small.y(1000), 2.0, 0.1);
}

TEST(DialogUnitsTest, RectScalesEachPartAndKeepsNaturalSizeWhereNoneIsGiven) {
    const DialogUnits units(6.0, 16.0);  // 1.5 pixels across, 2 down
    EXPECT_EQ(units.rect({10, 20, 40, 8}), QRect(15, 40, 60, 16));
    EXPECT_EQ(units.rect({10, 20}, QSize(33, 14)), QRect(15, 40, 33, 14));
    EXPECT_EQ(units.rect({10, 20, 40, 0}, QSize(33, 14)), QRect(15, 40, 60, 14));
}

TEST(DialogUnitsTest, TextControlWithoutSizeFitsItsText) {
    QLabel label(QStringLiteral("Наименование БД"));
    label.setFont(arial(8));
    const QRect placed = DialogUnits(arial(8)).rect({5, 5}, label.sizeHint());
    EXPECT_GE(placed.width(), QFontMetrics(arial(8)).horizontalAdvance(label.text()));
}

}  // namespace
