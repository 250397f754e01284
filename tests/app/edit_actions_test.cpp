#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "app/edit_actions.h"

namespace {

struct EditCase {
    const char* name;
    EditAction action;
    bool readOnly;
    bool acted;
    const char* fieldAfter;
    const char* clipboardAfter;
};

class EditActionsTest : public ::testing::TestWithParam<EditCase> {};

// The field holds "Сосновка" with "Сос" selected; the clipboard holds "Заря".
TEST_P(EditActionsTest, ActsOnTheFocusedField) {
    const EditCase& c = GetParam();
    QApplication::clipboard()->setText("Заря");
    QLineEdit field("Сосновка");
    field.setReadOnly(c.readOnly);
    field.setSelection(0, 3);
    EXPECT_EQ(applyEditAction(&field, c.action), c.acted);
    EXPECT_EQ(field.text(), c.fieldAfter);
    EXPECT_EQ(QApplication::clipboard()->text(), c.clipboardAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditActionsTest,
    ::testing::Values(EditCase{"Cut", EditAction::Cut, false, true, "новка", "Сос"},
                      EditCase{"Copy", EditAction::Copy, false, true, "Сосновка", "Сос"},
                      EditCase{"Paste", EditAction::Paste, false, true, "Заряновка", "Заря"},
                      EditCase{"CutReadOnlyCopies", EditAction::Cut, true, true, "Сосновка", "Сос"},
                      EditCase{"PasteReadOnly", EditAction::Paste, true, false, "Сосновка",
                               "Заря"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditActionsOther, SpinBoxTakesThePaste) {
    QApplication::clipboard()->setText("42");
    QSpinBox spin;
    spin.setRange(0, 100);
    spin.setValue(0);
    spin.selectAll();
    EXPECT_TRUE(applyEditAction(&spin, EditAction::Paste));
    spin.interpretText();
    EXPECT_EQ(spin.value(), 42);
}

TEST(EditActionsOther, NothingToActOn) {
    QLabel label("Путь к БД:");
    EXPECT_FALSE(applyEditAction(&label, EditAction::Copy));
    EXPECT_FALSE(applyEditAction(nullptr, EditAction::Paste));
}

}  // namespace
