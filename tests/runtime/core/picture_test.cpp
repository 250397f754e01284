#include <gtest/gtest.h>

#include <QDate>

#include "runtime/core/day_date.h"
#include "runtime/core/picture.h"

namespace {

Picture picture(const char* code) {
    const auto p = Picture::fromCode(QString::fromUtf8(code));
    EXPECT_TRUE(p.has_value()) << code;
    return p.value_or(*Picture::fromCode(u"s1"));
}

constexpr qint64 kJuly15 = 81649;  // 15.07.2024

}  // namespace

TEST(Picture, RecognisesTheCodesInUseAndRefusesOthers) {
    for (const char* code : {"s9", "S255", "@s91", "n_9b", "n_6b", "n2b", "n3b", "n-3", "n-4.0",
                             "n8", "n-6.1", "n-9.1", "d6.b", "d6", "d4", "P##P", "p#p"})
        EXPECT_TRUE(Picture::fromCode(QString::fromUtf8(code))) << code;
    for (const char* code : {"", "s", "s0", "sx", "n", "n_b", "n2.1", "n-3.x", "n9q", "n99", "d5",
                             "d6.x", "P##", "P#a#P", "x12"})
        EXPECT_FALSE(Picture::fromCode(QString::fromUtf8(code))) << code;
}

TEST(Picture, FormatsNumbers) {
    struct Case {
        const char* code;
        QVariant value;
        const char* shown;
    };
    const Case cases[] = {
        {"n_9b", qint64(123456789), "123456789"},
        {"n_9b", 0, ""},
        {"n_9b", QVariant(), ""},
        {"n_9b", 1234567, "1234567"},  // no digit grouping
        {"n_6b", 999999, "999999"},
        {"n2b", 7, "7"},
        {"n2b", 0, ""},
        {"n3b", 250, "250"},
        {"n-3", -99, "-99"},
        {"n-3", 0, "0"},  // no 'b': zero is shown
        {"n-4.0", -12, "-12"},
        {"n8", 12345678, "12345678"},
        {"n-6.1", 12.5, "12.5"},
        {"n-6.1", -0.5, "-0.5"},
        {"n-6.1", 0.0, "0.0"},
        {"n-6.1", 7, "7.0"},
        {"n-6.1", 9999.94, "9999.9"},
        {"n-9.1", -999999.9, "-999999.9"},
        {"n_9b", QStringLiteral(" 42 "), "42"},  // a number held as text
        {"P##P", 5, "05"},
        {"P##P", 24, "24"},
        {"P##P", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(picture(c.code).format(c.value), QString::fromUtf8(c.shown))
            << c.code << " " << c.value.toString().toStdString();
}

TEST(Picture, ANumberThatDoesNotFitIsShownAsHashesNeverCut) {
    struct Case {
        const char* code;
        QVariant value;
    };
    const Case cases[] = {
        {"n_9b", qint64(1234567890)},
        {"n2b", 100},
        {"n-3", 1000},
        {"n-3", -100},
        {"n_6b", -1},
        {"n-6.1", 10000.0},
        {"n-6.1", -1000.0},
        {"P##P", 100},
        {"P##P", -5},
        {"n_9b", QStringLiteral("x")},
        {"n2b", 1.0e300},
        {"n_9b", qint64(INT64_MIN)},
    };
    for (const Case& c : cases) {
        const Picture p = picture(c.code);
        EXPECT_EQ(p.format(c.value), QString(p.maxLength(), u'#'))
            << c.code << " " << c.value.toString().toStdString();
    }
}

TEST(Picture, FormatsDates) {
    EXPECT_EQ(picture("d6.b").format(kJuly15), QStringLiteral("15.07.2024"));
    EXPECT_EQ(picture("d6.b").format(DayDate::fromDate(QDate(2021, 3, 5))),
              QStringLiteral("05.03.2021"));
    EXPECT_EQ(picture("d6/").format(kJuly15), QStringLiteral("15/07/2024"));
    EXPECT_EQ(picture("d6.b").format(0), QString());
    EXPECT_EQ(picture("d6.b").format(QDate(2024, 7, 15)), QStringLiteral("15.07.2024"));
    EXPECT_EQ(picture("d4").format(kJuly15), QStringLiteral("15 июля 2024 г."));
    EXPECT_EQ(picture("d4").format(DayDate::fromDate(QDate(2024, 3, 1))),
              QStringLiteral("1 марта 2024 г."));
    EXPECT_EQ(picture("d4").format(0), QString());
    EXPECT_EQ(picture("d6.b").format(-5), QStringLiteral("##########"));
    // The longest long date fills the picture's length exactly.
    const QString september = picture("d4").format(DayDate::fromDate(QDate(2024, 9, 30)));
    EXPECT_EQ(september, QStringLiteral("30 сентября 2024 г."));
    EXPECT_EQ(september.size(), picture("d4").maxLength());
}

TEST(Picture, FormatsTextWithinItsLength) {
    EXPECT_EQ(picture("s5").format(QStringLiteral("Ромашка")), QStringLiteral("Ромаш"));
    EXPECT_EQ(picture("s9").format(QStringLiteral("Выдано   ")), QStringLiteral("Выдано"));
    EXPECT_EQ(picture("s9").format(QVariant()), QString());
    EXPECT_EQ(picture("s9").format(42), QStringLiteral("42"));
}

TEST(Picture, ParsesTypedNumbers) {
    struct Case {
        const char* code;
        const char* typed;
        QVariant value;
    };
    const Case cases[] = {
        {"n_9b", "123456789", qint64(123456789)},
        {"n_9b", "  17 ", qint64(17)},
        {"n_9b", "", qint64(0)},
        {"n_9b", "000000000042", qint64(42)},  // leading zeros take no positions
        {"n-3", "-99", qint64(-99)},
        {"n-4.0", "+12", qint64(12)},
        {"n2b", "5.0", qint64(5)},
        {"n-6.1", "12,5", 12.5},
        {"n-6.1", "-0.5", -0.5},
        {"n-6.1", ".5", 0.5},
        {"n-6.1", "3.10", 3.1},
        {"P##P", "5", qint64(5)},
    };
    for (const Case& c : cases) {
        const auto result = picture(c.code).parse(QString::fromUtf8(c.typed));
        EXPECT_TRUE(result.ok()) << c.code << " '" << c.typed << "' " << result.error.toStdString();
        EXPECT_EQ(result.value, c.value) << c.code << " '" << c.typed << "'";
    }
}

TEST(Picture, RefusesBadNumbersSayingWhy) {
    struct Case {
        const char* code;
        const char* typed;
        const char* error;
    };
    const Case cases[] = {
        {"n_9b", "1000000000", "Число больше 999999999"},
        {"n_9b", "99999999999999999999999", "Число больше 999999999"},
        {"n-3", "-100", "Число меньше -99"},
        {"n-6.1", "10000", "Число больше 9999.9"},
        {"n-6.1", "-1000", "Число меньше -999.9"},
        {"n_9b", "-1", "Число не может быть отрицательным"},
        {"n_9b", "12a", "Неверное число: 12a"},
        {"n_9b", "-", "Неверное число: -"},
        {"n_9b", "1.5", "Допускается только целое число: 1.5"},
        {"n-6.1", "1.25", "Допускается знаков после точки: 1"},
        {"P##P", "100", "Число больше 99"},
    };
    for (const Case& c : cases) {
        const auto result = picture(c.code).parse(QString::fromUtf8(c.typed));
        EXPECT_FALSE(result.ok()) << c.code << " '" << c.typed << "'";
        EXPECT_EQ(result.error, QString::fromUtf8(c.error)) << c.code << " '" << c.typed << "'";
    }
}

TEST(Picture, ParsesDatesAndRefusesImpossibleOnes) {
    EXPECT_EQ(picture("d6.b").parse(u"15.07.2024").value, QVariant(kJuly15));
    EXPECT_EQ(picture("d6.b").parse(u"").value, QVariant(qint64(0)));
    EXPECT_EQ(picture("d4").parse(u"15 июля 2024 г.").value, QVariant(kJuly15));
    EXPECT_EQ(picture("d4").parse(u"15 ИЮЛЬ 2024").value, QVariant(kJuly15));
    EXPECT_EQ(picture("d4").parse(u"15.07.2024").value, QVariant(kJuly15));

    const auto wrong = picture("d6.b").parse(u"31.02.2024");
    EXPECT_FALSE(wrong.ok());
    EXPECT_EQ(wrong.error, QStringLiteral("Неверная дата: 31.02.2024"));
    EXPECT_FALSE(picture("d4").parse(u"31 февраля 2024").ok());
    EXPECT_FALSE(picture("d4").parse(u"15 июлля 2024").ok());
}

TEST(Picture, FormatThenParseGivesTheValueBack) {
    const struct {
        const char* code;
        QVariant value;
    } cases[] = {{"n_9b", qint64(987654321)},
                 {"n-3", qint64(-7)},
                 {"n-6.1", -123.4},
                 {"P##P", qint64(9)},
                 {"d6.b", kJuly15},
                 {"d4", kJuly15},
                 {"s20", QStringLiteral("ООО «Ромашка»")}};
    for (const auto& c : cases) {
        const Picture p = picture(c.code);
        const auto back = p.parse(p.format(c.value));
        EXPECT_TRUE(back.ok()) << c.code;
        EXPECT_EQ(back.value, c.value) << c.code;
    }
}

TEST(Picture, RefusesTextTooLongOrOutsideTheCodePage) {
    EXPECT_EQ(picture("s5").parse(u"Ромашка").error,
              QStringLiteral("Слишком длинный текст: знаков 7, допускается 5"));
    EXPECT_EQ(picture("s9").parse(u"Выдано ✓").error,
              QStringLiteral("Знак «✓» не может быть сохранён"));
    EXPECT_EQ(picture("s9").parse(u"Выдано").value, QVariant(QStringLiteral("Выдано")));
}

TEST(Picture, LengthAlignmentAndRange) {
    EXPECT_EQ(picture("s91").maxLength(), 91);
    EXPECT_EQ(picture("n_9b").maxLength(), 9);
    EXPECT_EQ(picture("d6.b").maxLength(), 10);
    EXPECT_EQ(picture("P##P").maxLength(), 2);
    EXPECT_EQ(picture("s91").naturalAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(picture("n_9b").naturalAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(picture("d6.b").naturalAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(picture("s9").kind(), Picture::Kind::Text);
    EXPECT_EQ(picture("P##P").kind(), Picture::Kind::Number);
    EXPECT_EQ(picture("d4").kind(), Picture::Kind::Date);

    const Picture position = picture("n-6.1");
    EXPECT_EQ(position.places(), 1);
    EXPECT_DOUBLE_EQ(position.minimum(), -999.9);
    EXPECT_DOUBLE_EQ(position.maximum(), 9999.9);
    EXPECT_DOUBLE_EQ(picture("n_6b").minimum(), 0);
    EXPECT_DOUBLE_EQ(picture("n_6b").maximum(), 999999);
}

// An entry refuses typed characters outside these, so whatever the picture
// shows must consist of them, overflow included; long dates take any.
TEST(Picture, EntryCharactersHoldEverythingThePictureShows) {
    const struct {
        const char* code;
        QVariant value;
    } cases[] = {
        {"n_9b", qint64(123456789)}, {"n-3", -99},      {"n-3", 12345},   {"n-4.0", -12},
        {"n-6.1", -1234.5},          {"d6.b", kJuly15}, {"d6/", kJuly15}, {"d6", qint64(99999999)},
    };
    for (const auto& c : cases) {
        const Picture p = picture(c.code);
        const QString shown = p.format(c.value);
        for (const QChar ch : shown)
            EXPECT_TRUE(p.enteredCharacters().contains(ch))
                << c.code << " shows " << int(ch.unicode());
    }
    EXPECT_TRUE(picture("d4").enteredCharacters().isEmpty());
    EXPECT_TRUE(picture("s9").enteredCharacters().isEmpty());
}
