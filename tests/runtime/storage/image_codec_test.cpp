#include <gtest/gtest.h>

#include <random>

#include "runtime/storage/image_codec.h"

namespace {

QByteArray roundTrip(const QByteArray& image) {
    QByteArray back;
    EXPECT_TRUE(ImageCodec::unpack(ImageCodec::pack(image), image.size(), back));
    return back;
}

QByteArray everyByteValue() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

// Blank runs of the lengths around the coding's limits, each closed by 'x'.
QByteArray runsOfEveryEdgeLength() {
    QByteArray image;
    for (int length : {1, 2, 3, 4, 254, 255, 256, 257, 510, 511, 765})
        image += QByteArray(length, ' ') + 'x';
    return image;
}

}  // namespace

TEST(ImageCodec, EdgeImagesComeBackExactly) {
    const QByteArray marker(1, '\x98');
    struct Case {
        const char* name;
        QByteArray image;
    };
    const Case cases[] = {
        {"all blank", QByteArray(2920, ' ')},
        {"no blanks", QByteArray(2920, '\xC6')},
        {"every byte value", everyByteValue().repeated(12)},
        {"only marker bytes", QByteArray(300, '\x98')},
        {"zero bytes", QByteArray(40, '\0')},
        {"run at the start", QByteArray(600, ' ') + "end"},
        {"run at the end", "start" + QByteArray(600, ' ')},
        {"runs of every edge length", runsOfEveryEdgeLength()},
        {"markers next to runs", marker + "   " + marker + marker + "  " + marker + " "},
        {"marker then zero", marker + QByteArray(1, '\0') + marker + QByteArray(3, ' ')},
        {"one blank", " "},
        {"empty", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundTrip(c.image), c.image) << c.name;
}

TEST(ImageCodec, RandomImagesComeBackExactly) {
    // Blanks, markers and zeros drawn often, so that runs and escapes meet
    // in every combination.
    std::mt19937 random(20240715);
    const char frequent[] = {' ', ' ', ' ', '\x98', '\0', 'A', '\xFF'};
    for (int round = 0; round < 2000; ++round) {
        QByteArray image(std::uniform_int_distribution<int>(0, 700)(random), ' ');
        for (char& byte : image)
            byte =
                random() % 3 ? frequent[random() % sizeof frequent] : static_cast<char>(random());
        ASSERT_EQ(roundTrip(image), image) << "round " << round;
    }
}

TEST(ImageCodec, BlankTextShrinksAndDenseBytesDoNotGrow) {
    QByteArray mostlyBlank(2920, ' ');
    mostlyBlank.replace(10, 20, "ООО «Ромашка»");
    mostlyBlank.replace(500, 30, "Краснодарский край, г. Сочи");
    EXPECT_LT(ImageCodec::pack(mostlyBlank).size(), 120);

    const QByteArray dense(2920, 'z');
    EXPECT_EQ(ImageCodec::pack(dense), dense);
    // Single and double blanks between words stay as they are.
    const QByteArray words("a b  c d  e");
    EXPECT_EQ(ImageCodec::pack(words), words);
}

TEST(ImageCodec, DamagedPackedBytesAreRefused) {
    const QByteArray marker(1, '\x98');
    struct Case {
        const char* name;
        QByteArray packed;
        qsizetype length;
    };
    const Case cases[] = {
        {"marker without its count", "abc" + marker, 4},
        {"run beyond the length", marker + '\x0A', 5},
        {"literal bytes beyond the length", "abcdef", 5},
        {"escaped marker beyond the length", "abcde" + marker + '\0', 5},
        {"too short", marker + '\x03', 5},
        {"nothing for a record", {}, 5},
    };
    for (const Case& c : cases) {
        QByteArray image;
        EXPECT_FALSE(ImageCodec::unpack(c.packed, c.length, image)) << c.name;
    }
}
