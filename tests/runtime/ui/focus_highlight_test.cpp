#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "runtime/ui/control_builder.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/focus_highlight.h"
#include "ui_test_support.h"

namespace {

class FocusHighlightTest : public ::testing::Test {
protected:
    void SetUp() override {
        controls = buildControls(
            {{.kind = ControlKind::Entry,
              .label = "?NAME",
              .at = {10, 10, 80, 10},
              .font = {.italic = true},
              .fill = kPink},
             {.kind = ControlKind::Entry,
              .label = "?NUMBER",
              .at = {10, 25, 80, 10},
              .required = true},
             {.kind = ControlKind::CheckBox, .label = "?CHEK", .at = {10, 40}, .text = "строки"},
             {.kind = ControlKind::Button, .label = "?OK", .at = {10, 55, 40, 14}, .text = "OK"},
             {.kind = ControlKind::Entry, .label = "?SAMPLE", .at = {10, 70, 80, 10}}},
            &window);
        highlight = FocusHighlight::attach(&window);
        showActive(window);
    }

    QWidget* control(const char* label) { return controls->control(label); }

    const QColor kPink{255, 223, 223};
    QWidget window;
    ControlSet* controls = nullptr;
    FocusHighlight* highlight = nullptr;
};

TEST_F(FocusHighlightTest, FocusedEntryIsBoldOnYellowAndGetsItsLookBackWhenLeft) {
    QWidget* name = control("?NAME");
    focusOn(name);
    EXPECT_TRUE(name->font().bold());
    EXPECT_TRUE(name->font().italic());
    EXPECT_EQ(ControlStyle::fill(name), FocusHighlight::kFill);

    focusOn(control("?NUMBER"));
    EXPECT_FALSE(name->font().bold());
    EXPECT_TRUE(name->font().italic());
    EXPECT_EQ(ControlStyle::fill(name), kPink);
}

TEST_F(FocusHighlightTest, RequiredEntryIsLightRed) {
    focusOn(control("?NUMBER"));
    EXPECT_EQ(ControlStyle::fill(control("?NUMBER")), FocusHighlight::kRequiredFill);
    EXPECT_TRUE(control("?NUMBER")->font().bold());
}

TEST_F(FocusHighlightTest, CheckBoxIsFilledAndLosesTheFillAgain) {
    QWidget* check = control("?CHEK");
    const bool filledBefore = check->autoFillBackground();
    focusOn(check);
    EXPECT_TRUE(check->autoFillBackground());
    EXPECT_EQ(ControlStyle::fill(check), FocusHighlight::kFill);
    focusOn(control("?NAME"));
    EXPECT_EQ(check->autoFillBackground(), filledBefore);
    EXPECT_FALSE(check->font().bold());
}

TEST_F(FocusHighlightTest, ButtonTakesNoHighlightButEndsThePreviousOne) {
    focusOn(control("?NAME"));
    focusOn(control("?OK"));
    EXPECT_EQ(highlight->current(), nullptr);
    EXPECT_FALSE(control("?OK")->font().bold());
    EXPECT_FALSE(control("?NAME")->font().bold());
    EXPECT_EQ(ControlStyle::fill(control("?NAME")), kPink);
}

TEST_F(FocusHighlightTest, AWindowHasOneHighlight) {
    EXPECT_EQ(FocusHighlight::attach(&window), highlight);
    focusOn(control("?NAME"));
    focusOn(control("?NUMBER"));
    EXPECT_FALSE(control("?NAME")->font().bold());
    EXPECT_EQ(ControlStyle::fill(control("?NAME")), kPink);
}

TEST_F(FocusHighlightTest, ControlMayKeepItsOwnFont) {
    QWidget* sample = control("?SAMPLE");
    FocusHighlight::keepFont(sample);
    focusOn(sample);
    EXPECT_FALSE(sample->font().bold());
    EXPECT_EQ(ControlStyle::fill(sample), FocusHighlight::kFill);
}

TEST_F(FocusHighlightTest, FocusInAnotherWindowLeavesTheHighlight) {
    focusOn(control("?NAME"));
    QWidget other;
    QLineEdit* foreign = new QLineEdit(&other);
    showActive(other);
    focusOn(foreign);
    EXPECT_EQ(highlight->current(), control("?NAME"));
    EXPECT_FALSE(foreign->font().bold());
}

}  // namespace
