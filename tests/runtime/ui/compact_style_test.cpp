#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

#include "runtime/ui/compact_style.h"

namespace {

// A control as high as its font, as the blank gives one: the style's own
// margins leave its line too little room.
constexpr int kHeight = 14;

struct Parts {
    QRect field;
    QRect arrows;
};

// Where the style puts a frameless control's entry field and the arrows
// after it.
template <typename Option>
Parts partsOf(QStyle& style, QWidget& control, QStyle::ComplexControl kind,
              QStyle::SubControl field, QStyle::SubControl arrows) {
    control.setStyle(&style);
    control.setGeometry(0, 0, 120, kHeight);
    Option option;
    option.initFrom(&control);
    option.frame = false;
    return {style.subControlRect(kind, &option, field, &control),
            style.subControlRect(kind, &option, arrows, &control)};
}

TEST(CompactStyle, ComboEntryTakesTheWholeHeightUpToTheArrow) {
    CompactStyle style;
    QComboBox combo;
    combo.setEditable(true);
    combo.setFrame(false);
    const Parts parts = partsOf<QStyleOptionComboBox>(
        style, combo, QStyle::CC_ComboBox, QStyle::SC_ComboBoxEditField, QStyle::SC_ComboBoxArrow);
    EXPECT_EQ(parts.field, QRect(1, 0, parts.arrows.left() - 1, kHeight));
}

TEST(CompactStyle, SpinFieldKeepsItsHairlineClear) {
    CompactStyle style(1);
    QDoubleSpinBox spin;
    spin.setFrame(false);
    const Parts parts = partsOf<QStyleOptionSpinBox>(
        style, spin, QStyle::CC_SpinBox, QStyle::SC_SpinBoxEditField, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(parts.field, QRect(1, 1, parts.arrows.left() - 1, kHeight - 2));
    spin.show();  // lays out its line
    EXPECT_EQ(spin.findChild<QLineEdit*>()->geometry(), parts.field);
}

TEST(CompactStyle, OtherPartsAreTheStyles) {
    CompactStyle style;
    QDoubleSpinBox spin;
    spin.setGeometry(0, 0, 60, kHeight);
    QStyleOptionSpinBox option;
    option.initFrom(&spin);
    EXPECT_EQ(style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &spin),
              style.baseStyle()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp,
                                                &spin));
}

}  // namespace
