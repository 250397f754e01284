#include <gtest/gtest.h>

#include "runtime/ui/browse_locator.h"

namespace {

constexpr int kInterval = 500;

struct Key {
    const char* text;  // "\b" erases
    qint64 at;
};

struct LocatorCase {
    const char* name;
    bool numeric;
    std::vector<Key> keys;
    QVariant value;  // after the last key; invalid: the last key is not for the locator
};

class BrowseLocatorTest : public ::testing::TestWithParam<LocatorCase> {};

TEST_P(BrowseLocatorTest, BuildsTheValueFromTypedKeys) {
    BrowseLocator locator(GetParam().numeric, kInterval);
    std::optional<QVariant> value;
    for (const Key& key : GetParam().keys)
        value = QByteArray(key.text) == "\b" ? locator.erase(key.at)
                                             : locator.type(QString::fromUtf8(key.text), key.at);
    if (!GetParam().value.isValid()) {
        EXPECT_FALSE(value);
        return;
    }
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, GetParam().value);
    EXPECT_EQ(value->typeId(), GetParam().value.typeId());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrowseLocatorTest,
    ::testing::Values(
        LocatorCase{"OneDigit", true, {{"5", 1000}}, qint64{5}},
        LocatorCase{"DigitsInQuickSuccessionAddUp",
                    true,
                    {{"5", 1000}, {"7", 1300}, {"0", 1700}},
                    qint64{570}},
        LocatorCase{"APauseStartsANewValue", true, {{"5", 1000}, {"7", 1600}}, qint64{7}},
        LocatorCase{"NumberTakesNoLetter", true, {{"5", 1000}, {"a", 1100}}, {}},
        LocatorCase{
            "ARejectedKeyKeepsTheValue", true, {{"5", 1000}, {"a", 1100}, {"1", 1200}}, qint64{51}},
        LocatorCase{"Backspace", true, {{"5", 1000}, {"7", 1100}, {"\b", 1200}}, qint64{5}},
        LocatorCase{"BackspaceOfTheLastCharacter", true, {{"5", 1000}, {"\b", 1100}}, {}},
        LocatorCase{"Text", false, {{"и", 1000}, {"В", 1100}}, QStringLiteral("иВ")},
        LocatorCase{"TextTakesBlanksInside",
                    false,
                    {{"a", 1000}, {" ", 1100}, {"b", 1200}},
                    QStringLiteral("a b")},
        LocatorCase{"TextIgnoresALeadingBlank", false, {{" ", 1000}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
