#include <gtest/gtest.h>

#include "data/forma3.h"
#include "register/character_counter.h"

namespace {

using Key = CharacterCounter::Key;

class CharacterCounterTest : public ::testing::Test {
protected:
    void SetUp() override {
        VS_SIM.set(0);
        KOL_SIM.set(0);
    }
};

TEST_F(CharacterCounterTest, CountedLinesHaveTheirFieldWidths) {
    const std::vector<std::pair<int, int>> widths = {
        {FR3::S1, 20},  {FR3::S2, 91},  {FR3::S3, 81},  {FR3::S4, 91},  {FR3::KOL, 27},
        {FR3::UP, 25},  {FR3::MK, 25},  {FR3::S5, 77},  {FR3::S7, 71},  {FR3::S8, 69},
        {FR3::S10, 91}, {FR3::S11, 80}, {FR3::S13, 75}, {FR3::S14, 40}, {FR3::S141, 45},
        {FR3::S15, 20}, {FR3::S16, 91}, {FR3::S17, 73}, {FR3::S18, 91}, {FR3::S19, 91},
        {FR3::P1, 32},  {FR3::P2, 32},  {FR3::P3, 32},  {FR3::P4, 32}};
    for (const auto& [field, width] : widths)
        EXPECT_EQ(CharacterCounter::widthOf(field), width)
            << FR3::layout().qualifiedName(field).toStdString();
    for (int field : {FR3::S31, FR3::S143, FR3::Z1, FR3::NFORM, FR3::DATAV, FR3::OPIS, FR3::DATAVUR,
                      FR3::S20, FR3::S256, FR3::COMMENT})
        EXPECT_EQ(CharacterCounter::widthOf(field), 0)
            << FR3::layout().qualifiedName(field).toStdString();
}

TEST_F(CharacterCounterTest, TypingIntoAnEmptyLineCountsDownFromItsWidth) {
    CharacterCounter::entered(FR3::S1, {});
    EXPECT_EQ(KOL_SIM.get(), 20);
    for (int typed = 1; typed <= 3; ++typed) {
        CharacterCounter::pressed(FR3::S1, Key::Other);
        EXPECT_EQ(KOL_SIM.get(), 20 - typed);
        EXPECT_EQ(VS_SIM.get(), 20);
    }
}

TEST_F(CharacterCounterTest, EnteringALineSetsTheCountFromItsText) {
    CharacterCounter::entered(FR3::S1, QStringLiteral("ООО Ромашка   "));
    EXPECT_EQ(KOL_SIM.get(), 9);
    CharacterCounter::entered(FR3::S18, QStringLiteral("Местность благополучна"));
    EXPECT_EQ(KOL_SIM.get(), 91 - 22);
}

TEST_F(CharacterCounterTest, EachKindOfKeyMovesTheCountAsRuled) {
    const std::vector<std::pair<Key, int>> moves = {{Key::Other, -1},     {Key::Delete, +1},
                                                    {Key::Backspace, +1}, {Key::Left, 0},
                                                    {Key::Right, 0},      {Key::LeftButton, 0}};
    for (const auto& [key, move] : moves) {
        CharacterCounter::entered(FR3::S2, QStringLiteral("Получатель"));
        VS_SIM.set(0);
        CharacterCounter::pressed(FR3::S2, key);
        EXPECT_EQ(KOL_SIM.get(), 81 + move);
        EXPECT_EQ(VS_SIM.get(), 91);
    }
}

TEST_F(CharacterCounterTest, LinesWithoutACounterLeaveBothAlone) {
    VS_SIM.set(20);
    KOL_SIM.set(7);
    CharacterCounter::entered(FR3::S31, {});
    CharacterCounter::pressed(FR3::S31, Key::Other);
    EXPECT_EQ(VS_SIM.get(), 20);
    EXPECT_EQ(KOL_SIM.get(), 7);
}

// The counter shows 0 to 99: a key on a full line or a Backspace on an
// empty one keeps it within the line.
TEST_F(CharacterCounterTest, TheEstimateStaysWithinTheLine) {
    CharacterCounter::entered(FR3::S1, QString(20, u'Я'));
    CharacterCounter::pressed(FR3::S1, Key::Other);
    EXPECT_EQ(KOL_SIM.get(), 0);
    CharacterCounter::entered(FR3::S1, {});
    CharacterCounter::pressed(FR3::S1, Key::Backspace);
    EXPECT_EQ(KOL_SIM.get(), 20);
}

}  // namespace
