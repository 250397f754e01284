#include <gtest/gtest.h>

#include <QLineEdit>

#include "runtime/ui/control_builder.h"
#include "runtime/ui/history_key.h"
#include "ui_test_support.h"

namespace {

class HistoryKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        controls =
            buildControls({{.kind = ControlKind::Entry,
                            .label = "?TST:NAME",
                            .at = {10, 10, 80, 10},
                            .use = "TST:NAME"},
                           {.kind = ControlKind::Entry,
                            .label = "?TST:NUMBER",
                            .at = {10, 25, 80, 10},
                            .use = "TST:NUMBER",
                            .picture = "n_9b"},
                           {.kind = ControlKind::Entry, .label = "?FREE", .at = {10, 40, 80, 10}}},
                          &form);
        binding = new FormBinding(*controls, record);
        key = new HistoryKey(&form, *binding, history, "UpdateBD");
        showActive(form);
    }

    QLineEdit* entry(const char* label) { return controls->control<QLineEdit>(label); }

    // A record saved earlier from the same kind of form.
    void saveEarlierRecord() {
        record.setText(NAME, u"Нива");
        record.setInteger(NUMBER, 17);
        key->remember();
        record.clear();
        binding->load();
    }

    RecordBuffer record{testLayout()};  // outlive the form, as a context's do
    FieldHistory history;
    QWidget form;
    ControlSet* controls = nullptr;
    FormBinding* binding = nullptr;
    HistoryKey* key = nullptr;
};

TEST_F(HistoryKeyTest, CtrlHPutsBackTheFocusedFieldOnly) {
    saveEarlierRecord();
    focusOn(entry("?TST:NUMBER"));
    QTest::keyClick(entry("?TST:NUMBER"), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(entry("?TST:NUMBER")->text(), "17");
    EXPECT_EQ(record.integer(NUMBER), 17);
    EXPECT_EQ(entry("?TST:NAME")->text(), "");
    EXPECT_TRUE(record.isBlank(NAME));
}

TEST_F(HistoryKeyTest, ToolbarRecallWorksLikeTheKey) {
    saveEarlierRecord();
    focusOn(entry("?TST:NAME"));
    EXPECT_TRUE(key->recallFocused());
    EXPECT_EQ(entry("?TST:NAME")->text(), "Нива");
}

TEST_F(HistoryKeyTest, BeforeAnySaveTheHistoryIsBlank) {
    record.setText(NAME, u"Заря");
    binding->load();
    focusOn(entry("?TST:NAME"));
    EXPECT_TRUE(key->recallFocused());
    EXPECT_EQ(entry("?TST:NAME")->text(), "");
}

TEST_F(HistoryKeyTest, ControlWithoutAFieldIsLeftAlone) {
    saveEarlierRecord();
    entry("?FREE")->setText("своё");
    focusOn(entry("?FREE"));
    EXPECT_FALSE(key->recallFocused());
    EXPECT_EQ(entry("?FREE")->text(), "своё");
}

TEST(FieldHistoryTest, EachKindOfFormHasItsOwnHistory) {
    FieldHistory history;
    RecordBuffer saved(testLayout());
    saved.setText(NAME, u"Нива");
    history.remember("UpdateBD", saved);
    EXPECT_EQ(history.last("UpdateBD", testLayout()).text(NAME), "Нива");
    EXPECT_TRUE(history.last("UpdateConfig", testLayout()).isBlank(NAME));
    saved.setText(NAME, u"Заря");  // the history holds a copy
    EXPECT_EQ(history.last("UpdateBD", testLayout()).text(NAME), "Нива");
}

}  // namespace
