#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "runtime/ui/control_builder.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/picture_control.h"
#include "runtime/ui/window_host.h"
#include "ui_test_support.h"

namespace {

// A window in the manner of the certificate form: a sheet of two tabs, a
// picture under the entries, a group box, captions, an entry hidden at start.
std::vector<ControlDef> certificateLikeTable() {
    const QColor grey(104, 104, 104), pink(255, 223, 223);
    return {
        {.kind = ControlKind::Sheet, .label = "?SHEET1", .at = {5, 3, 300, 200}},
        {.kind = ControlKind::Tab, .label = "?TAB1", .text = "Лицевая сторона", .tab = "?SHEET1"},
        {.kind = ControlKind::Image, .label = "?IMAGE1", .at = {13, 18, 280, 180}, .tab = "?TAB1"},
        {.kind = ControlKind::Text,
         .label = "?STRING2",
         .at = {66, 25},
         .text = "ГОСУДАРСТВЕННАЯ ВЕТЕРИНАРНАЯ СЛУЖБА",
         .font = {.size = 10, .bold = true, .colour = grey},
         .tab = "?TAB1"},
        {.kind = ControlKind::Entry,
         .label = "?FR3:Z1",
         .at = {65, 40, 208, 8},
         .use = "FR3:Z1",
         .picture = "s46",
         .font = {.size = 10, .bold = true},
         .fill = pink,
         .tooltip = "[Субъект Российской Федерации]",
         .tab = "?TAB1"},
        {.kind = ControlKind::GroupBox,
         .label = "?GROUP1",
         .at = {43, 60, 243, 25},
         .text = "Обязательная информация о свидетельстве",
         .font = {.colour = QColor(255, 128, 128)},
         .tab = "?TAB1"},
        {.kind = ControlKind::Entry,
         .label = "?FR3:NFORM",
         .at = {68, 70, 101, 8},
         .use = "FR3:NFORM",
         .picture = "n_9b",
         .font = {.size = 10},
         .fill = QColor(200, 255, 200),
         .statusText = "№ свидетельства",
         .tooltip = "№ свидетельства [обязательная информация]",
         .required = true,
         .tab = "?TAB1"},
        {.kind = ControlKind::Entry,
         .label = "?FR3:S31",
         .at = {50, 90, 240, 8},
         .use = "FR3:S31",
         .hidden = true,
         .tab = "?TAB1"},
        {.kind = ControlKind::Tab, .label = "?TAB2", .text = "Обратная сторона", .tab = "?SHEET1"},
        {.kind = ControlKind::Entry,
         .label = "?FR3:S20",
         .at = {70, 158, 75, 8},
         .use = "FR3:S20",
         .statusText = "",
         .tooltip = "Дата",
         .tab = "?TAB2"},
        {.kind = ControlKind::SpinBox,
         .label = "?AX",
         .at = {230, 6, 25, 10},
         .use = "AX",
         .minimum = -50,
         .maximum = 50},
        {.kind = ControlKind::CheckBox,
         .label = "?FR3:CHEK",
         .at = {200, 100},
         .text = "  показать дополнительные строки",
         .font = {.bold = true},
         .tab = "?TAB1"},
        {.kind = ControlKind::DropCombo,
         .label = "?FR3:COMMENT",
         .at = {200, 80, 82, 8},
         .tab = "?TAB1",
         .items = {"Выдано", "Испорчено", "Образец"}},
        {.kind = ControlKind::Button,
         .label = "?OK",
         .at = {250, 20, 23, 18},
         .statusText = "Сохранить форму",
         .tooltip = "Сохранить форму",
         .tab = "?TAB1"},
    };
}

class ControlBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setFont(QFont(QStringLiteral("Arial"), 8));
        window.resize(DialogUnits(window.font()).size(320, 220));
        controls = buildControls(certificateLikeTable(), &window);
    }

    QWidget window;
    ControlSet* controls = nullptr;
};

TEST_F(ControlBuilderTest, EveryLabelFindsAControlOfItsKind) {
    EXPECT_NE(controls->control<QTabWidget>("?SHEET1"), nullptr);
    EXPECT_NE(controls->control<PictureControl>("?IMAGE1"), nullptr);
    EXPECT_NE(controls->control<QLabel>("?STRING2"), nullptr);
    EXPECT_NE(controls->control<QLineEdit>("?FR3:Z1"), nullptr);
    EXPECT_NE(controls->control<QGroupBox>("?GROUP1"), nullptr);
    EXPECT_NE(controls->control<QSpinBox>("?AX"), nullptr);
    EXPECT_NE(controls->control<QCheckBox>("?FR3:CHEK"), nullptr);
    EXPECT_NE(controls->control<QPushButton>("?OK"), nullptr);
    auto* combo = controls->control<QComboBox>("?FR3:COMMENT");
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(controls->control("?NOSUCH"), nullptr);
    EXPECT_EQ(controls->control<QSpinBox>("?AX")->minimum(), -50);
}

TEST_F(ControlBuilderTest, ControlsSitAtTheirDialogUnits) {
    const DialogUnits units(window.font());
    EXPECT_EQ(controls->control("?FR3:Z1")->geometry(), units.rect({65, 40, 208, 8}));
    // A caption without a size takes its text's.
    auto* caption = controls->control<QLabel>("?STRING2");
    EXPECT_EQ(caption->pos(), units.rect({66, 25}).topLeft());
    EXPECT_GE(caption->width(), QFontMetrics(caption->font()).horizontalAdvance(caption->text()));
}

TEST_F(ControlBuilderTest, FontsDropTheCyrillicSuffixAndTakeSizeStyleAndColour) {
    EXPECT_EQ(ControlStyle::familyName("Arial CYR"), "Arial");
    EXPECT_EQ(ControlStyle::familyName("Times New Roman Cyr"), "Times New Roman");
    QWidget* caption = controls->control("?STRING2");
    EXPECT_EQ(caption->font().family(), window.font().family());
    EXPECT_EQ(caption->font().pointSize(), 10);
    EXPECT_TRUE(caption->font().bold());
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(104, 104, 104));
    QWidget* spin = controls->control("?AX");
    EXPECT_EQ(spin->font().pointSize(), 8);
    EXPECT_FALSE(spin->font().bold());
    EXPECT_EQ(controls->control("?FR3:Z1")->palette().color(QPalette::Base), QColor(255, 223, 223));
}

TEST_F(ControlBuilderTest, TooltipsStatusTextsAndRequiredMarkAreKept) {
    QWidget* number = controls->control("?FR3:NFORM");
    EXPECT_EQ(number->toolTip(), "№ свидетельства [обязательная информация]");
    EXPECT_EQ(ControlStyle::statusText(number), "№ свидетельства");
    EXPECT_TRUE(ControlStyle::isRequired(number));
    EXPECT_FALSE(ControlStyle::isRequired(controls->control("?FR3:Z1")));
}

TEST_F(ControlBuilderTest, OnlyTheCurrentTabsControlsShowAndHiddenOnesStayHidden) {
    showActive(window);
    EXPECT_EQ(controls->currentTab("?SHEET1"), "?TAB1");
    EXPECT_TRUE(controls->control("?FR3:Z1")->isVisible());
    EXPECT_FALSE(controls->control("?FR3:S20")->isVisible());
    EXPECT_FALSE(controls->control("?FR3:S31")->isVisible());
    EXPECT_TRUE(controls->control("?AX")->isVisible());  // on the window itself

    controls->selectTab("?TAB2");
    EXPECT_EQ(controls->currentTab("?SHEET1"), "?TAB2");
    EXPECT_FALSE(controls->control("?FR3:Z1")->isVisible());
    EXPECT_TRUE(controls->control("?FR3:S20")->isVisible());
    EXPECT_TRUE(controls->control("?AX")->isVisible());

    controls->selectTab("?TAB1");
    controls->setHidden("?FR3:S31", false);
    EXPECT_TRUE(controls->control("?FR3:S31")->isVisible());
    controls->selectTab("?TAB2");
    EXPECT_FALSE(controls->control("?FR3:S31")->isVisible());
}

TEST_F(ControlBuilderTest, EntriesLieAbovePicturesAndGroupBoxes) {
    const QObjectList& children = window.children();
    const auto depth = [&](const char* label) {
        return children.indexOf(controls->control(label));
    };
    EXPECT_LT(depth("?SHEET1"), depth("?IMAGE1"));
    EXPECT_LT(depth("?IMAGE1"), depth("?GROUP1"));
    EXPECT_LT(depth("?GROUP1"), depth("?FR3:NFORM"));
    EXPECT_LT(depth("?GROUP1"), depth("?FR3:Z1"));
}

TEST(ControlBuilderWizardTest, WizardSheetHidesItsTabHeaders) {
    QWidget window;
    ControlSet* controls = buildControls(
        {{.kind = ControlKind::Sheet, .label = "?SORT", .at = {5, 5, 100, 100}, .wizard = true},
         {.kind = ControlKind::Tab, .label = "?TABID", .text = "iD", .tab = "?SORT"},
         {.kind = ControlKind::Tab, .label = "?TABNAME", .text = "Наименование", .tab = "?SORT"}},
        &window);
    showActive(window);
    auto* sheet = controls->control<QTabWidget>("?SORT");
    EXPECT_EQ(sheet->count(), 2);
    EXPECT_FALSE(sheet->tabBar()->isVisible());
    controls->selectTab("?TABNAME");
    EXPECT_EQ(controls->currentTab("?SORT"), "?TABNAME");
}

TEST_F(ControlBuilderTest, TabFollowsTheGivenOrder) {
    controls->selectTab("?TAB1");
    showActive(window);
    controls->setFocusOrder({"?FR3:NFORM", "?FR3:COMMENT", "?FR3:Z1"});
    focusOn(controls->control("?FR3:NFORM"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(ControlStyle::owningControl(QApplication::focusWidget()),
              controls->control("?FR3:COMMENT"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), controls->control("?FR3:Z1"));
}

TEST_F(ControlBuilderTest, FocusedControlsStatusTextReachesTheFirstZone) {
    WindowHost& host = WindowHost::instance();
    host.open(&window);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    showActive(window);
    focusOn(controls->control("?FR3:NFORM"));
    EXPECT_EQ(host.statusText(StatusZone::Hint), "№ свидетельства");
    focusOn(controls->control("?FR3:Z1"));
    EXPECT_EQ(host.statusText(StatusZone::Hint), "");
    focusOn(controls->control("?OK"));
    EXPECT_EQ(host.statusText(StatusZone::Hint), "Сохранить форму");
}

}  // namespace
