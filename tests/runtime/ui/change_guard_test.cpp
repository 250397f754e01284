#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>

#include "runtime/ui/change_guard.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/window_host.h"
#include "ui_test_support.h"

namespace {

class ChangeGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new QWidget;
        controls = buildControls({{.kind = ControlKind::Entry,
                                   .label = "?TST:NAME",
                                   .at = {10, 10, 80, 10},
                                   .use = "TST:NAME"},
                                  {.kind = ControlKind::Entry,
                                   .label = "?TST:ISSUED",
                                   .at = {10, 25, 80, 10},
                                   .use = "TST:ISSUED",
                                   .picture = "d6.b"}},
                                 form);
        record.setText(NAME, u"Нива");
        binding = new FormBinding(*controls, record);
        binding->load();
        guard = new ChangeGuard(form, *binding, entry("?TST:NAME"));
        showActive(*form);
    }

    void TearDown() override { delete form; }

    QLineEdit* entry(const char* label) { return controls->control<QLineEdit>(label); }

    void answer(QMessageBox::StandardButton button) {
        ASSERT_NE(guard->question(), nullptr);
        guard->question()->button(button)->click();
        QApplication::processEvents();
    }

    QWidget* form = nullptr;
    RecordBuffer record{testLayout()};
    ControlSet* controls = nullptr;
    FormBinding* binding = nullptr;
    ChangeGuard* guard = nullptr;
};

TEST_F(ChangeGuardTest, UnchangedFormClosesAtOnce) {
    focusOn(entry("?TST:ISSUED"));  // visiting a control changes nothing
    EXPECT_FALSE(guard->changed());
    EXPECT_TRUE(form->close());
    EXPECT_EQ(guard->question(), nullptr);
}

TEST_F(ChangeGuardTest, ChangedFieldAsksWithoutHoldingUpTheProgram) {
    entry("?TST:NAME")->setText("Заря");  // typed, not yet left
    EXPECT_TRUE(guard->changed());
    EXPECT_FALSE(form->close());
    ASSERT_NE(guard->question(), nullptr);
    EXPECT_EQ(guard->question()->text(), "Не сохранять изменения?");
    EXPECT_EQ(guard->question()->windowTitle(), "Изменения не сохранены!");
    EXPECT_FALSE(guard->question()->isModal());
    EXPECT_FALSE(form->isEnabled());
}

TEST_F(ChangeGuardTest, YesClosesTheForm) {
    entry("?TST:NAME")->setText("Заря");
    form->close();
    answer(QMessageBox::Yes);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(record.text(NAME), "Нива");
}

TEST_F(ChangeGuardTest, NoReturnsToTheFirstField) {
    entry("?TST:NAME")->setText("Заря");
    focusOn(entry("?TST:ISSUED"));
    form->close();
    answer(QMessageBox::No);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), entry("?TST:NAME"));
    EXPECT_EQ(entry("?TST:NAME")->text(), "Заря");
}

TEST_F(ChangeGuardTest, SecondCloseWhileAskingAsksOnce) {
    entry("?TST:NAME")->setText("Заря");
    form->close();
    QMessageBox* first = guard->question();
    form->close();
    EXPECT_EQ(guard->question(), first);
}

TEST_F(ChangeGuardTest, InputTheRecordCannotTakeCountsAsAChange) {
    entry("?TST:ISSUED")->setText("31.02.2024");
    EXPECT_TRUE(guard->changed());
}

TEST_F(ChangeGuardTest, SavedFormClosesWithoutAsking) {
    entry("?TST:NAME")->setText("Заря");
    ASSERT_EQ(binding->acceptAll(), "");
    guard->release();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(guard->question(), nullptr);
}

TEST(ChangeGuardFrameTest, InsideTheFrameYesClosesTheChildAndNoKeepsIt) {
    QMdiArea frame;
    showActive(frame);
    WindowHost::instance().setMdiArea(&frame);
    RecordBuffer record{testLayout()};
    auto* form = new QWidget;
    ControlSet* controls = buildControls({{.kind = ControlKind::Entry,
                                           .label = "?TST:NAME",
                                           .at = {10, 10, 80, 10},
                                           .use = "TST:NAME"}},
                                         form);
    auto* binding = new FormBinding(*controls, record);  // belongs to the form
    auto* guard = new ChangeGuard(form, *binding, controls->control("?TST:NAME"));
    QWidget* carrier = WindowHost::instance().open(form);
    controls->control<QLineEdit>("?TST:NAME")->setText("Заря");

    EXPECT_FALSE(carrier->close());  // the close box of the child
    ASSERT_NE(guard->question(), nullptr);
    guard->question()->button(QMessageBox::No)->click();
    EXPECT_EQ(frame.subWindowList().size(), 1);

    carrier->close();
    guard->question()->button(QMessageBox::Yes)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.subWindowList().isEmpty());
    WindowHost::instance().setMdiArea(nullptr);
}

}  // namespace
