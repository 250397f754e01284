#include <gtest/gtest.h>

#include "runtime/core/cp1251.h"

TEST(Cp1251, EveryDefinedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) continue;  // undefined in the code page
        const QChar ch = Cp1251::toUnicode(static_cast<unsigned char>(b));
        const auto back = Cp1251::fromUnicode(ch);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, b);
    }
}

TEST(Cp1251, KnownLetters) {
    struct Case {
        unsigned char byte;
        char16_t unicode;
    };
    const Case cases[] = {{0xC0, u'А'}, {0xFF, u'я'}, {0xA8, u'Ё'}, {0xB8, u'ё'},
                          {0xB9, u'№'}, {0x88, u'€'}, {0x41, u'A'}, {0xAB, u'«'}};
    for (const Case& c : cases) EXPECT_EQ(Cp1251::toUnicode(c.byte).unicode(), c.unicode);
}

TEST(Cp1251, TextThatCannotBeHeldIsAnErrorWithItsPlace) {
    qsizetype bad = -1;
    EXPECT_FALSE(Cp1251::encode(u"Корова 😀", &bad).has_value());
    EXPECT_EQ(bad, 7);
    EXPECT_FALSE(Cp1251::encode(u"日本", &bad).has_value());
    EXPECT_EQ(bad, 0);
    EXPECT_FALSE(Cp1251::fromUnicode(QChar(0xFFFD)).has_value());
}

TEST(Cp1251, EncodeDecodeRussianText) {
    const QString text = QStringLiteral("Ветеринарное свидетельство №2, «ёж»");
    const auto bytes = Cp1251::encode(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), text.size());
    EXPECT_EQ(Cp1251::decode(*bytes), text);
}

TEST(Cp1251, UpperFoldsLatinAndCyrillicIncludingYo) {
    const auto lower = Cp1251::encode(u"abcz ёжик яблоко ґ ї");
    const auto upper = Cp1251::encode(u"ABCZ ЁЖИК ЯБЛОКО Ґ Ї");
    ASSERT_TRUE(lower && upper);
    EXPECT_EQ(Cp1251::upper(*lower), *upper);
    EXPECT_EQ(Cp1251::upper(*upper), *upper);
}
