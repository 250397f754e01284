#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include "app/main_frame.h"
#include "app/procedures.h"
#include "data/browse_bd_window.h"
#include "data/data_folder.h"
#include "data/ridgen.h"
#include "data/schema.h"
#include "data/selection_controls.h"
#include "data/selection_form_window.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/dialog_units.h"
#include "runtime/ui/help.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/ui_test_support.h"
#include "runtime/ui/window_host.h"
#include "support/temp_folder.h"

namespace {

struct Line {
    QString text;  // "-" for a separator
    QString hint;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousSettings = SettingsFile::instance().path();
        SettingsFile::instance().setPath(work.file("vetdocs.INI"));
        DataFolder::setWorkFolder(work.path());
    }
    void TearDown() override {
        frame.reset();
        DataFolder::setWorkFolder({});
        SettingsFile::instance().setPath(previousSettings);
    }

    void showFrame() {
        frame = std::make_unique<MainFrame>();
        showActive(*frame);
    }

    QList<QAction*> buttons() { return frame->toolBar()->actions(); }
    QAction* button(const QString& tooltip) {
        for (QAction* action : buttons())
            if (action->toolTip() == tooltip) return action;
        return nullptr;
    }
    QAction* menuItem(const QString& text) {
        for (QAction* menu : frame->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == text) return item;
        return nullptr;
    }

    // A selection window with three head organisations, inside the frame.
    BrowseBdWindow* openSelection() {
        auto context = std::make_unique<WindowContext>("BrowseBD", vetdocsSchema(),
                                                       std::make_unique<RecordingErrorManager>());
        TableAccess& heads = context->tables().access(u"RIDGEN");
        EXPECT_TRUE(heads.open());
        for (int kod : {1, 2, 3}) {
            heads.prime();
            heads.record().setInteger(RID::KOD, kod);
            EXPECT_TRUE(heads.insert());
        }
        heads.close();
        auto* window = new BrowseBdWindow(std::move(context));
        openProcedureWindow(window, "BrowseBD", SelectionControls::kBrowseSize);
        focusOn(window->headList());
        return window;
    }

    TempFolder work;
    QString previousSettings;
    std::unique_ptr<MainFrame> frame;
};

TEST_F(FrameTest, TitleAndDefaultSize) {
    showFrame();
    EXPECT_EQ(frame->windowTitle(),
              "Ветеринарная служба РФ. Заполнение и печать ветеринарных сопроводительных "
              "документов. v1.0");
    const DialogUnits units(frame->font());
    EXPECT_EQ(frame->size(), units.size(505, 319));
    EXPECT_EQ(frame->font().pointSize(), 8);
    EXPECT_EQ(frame->menuBar()->font().pointSize(), 9);
}

TEST_F(FrameTest, MenuBarHoldsItsItemsHintsAndIcons) {
    const QList<std::pair<Line, QList<Line>>> expected{
        {{"&Файл", ""},
         {{"&Настройки принтера...", "Настройки принтера..."},
          {"-", ""},
          {"Выход", "Exit this application"}}},
        {{"&Редактировать", "Редактировать"},
         {{"Вырезать", "Вырезать в Clipboard"},
          {"-", ""},
          {"Копировать", "Копировать в Clipboard"},
          {"-", ""},
          {"Вклеить", "Вклеить в документ"}}},
        {{"&Форма №2", "Раотать с документом \"Форма №2\""},
         {{"Подключить БД", "Подключить БД"},
          {"-", ""},
          {"Подготовка и печать 'Форма №2'", "дготовка и печать 'Форма №2'"},
          {"-", ""},
          {"О выданных документах", "О выданных документах"},
          {"-", ""},
          {"Настройка формы", ""}}},
        {{"Помощь", "Помощь"},
         {{"Инструкция по работе  ", "Правила заполнения"},
          {"-", ""},
          {"О программе", "О программе"}}},
    };
    showFrame();
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), expected.size());
    for (qsizetype m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(menus[m]->text(), expected[m].first.text);
        EXPECT_EQ(menus[m]->statusTip(), expected[m].first.hint);
        const QList<QAction*> items = menus[m]->menu()->actions();
        ASSERT_EQ(items.size(), expected[m].second.size()) << m;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const Line& line = expected[m].second[i];
            EXPECT_EQ(items[i]->isSeparator(), line.text == "-") << line.text.toStdString();
            if (items[i]->isSeparator()) continue;
            EXPECT_EQ(items[i]->text(), line.text);
            EXPECT_EQ(items[i]->statusTip(), line.hint);
            EXPECT_FALSE(items[i]->icon().isNull()) << line.text.toStdString();
        }
    }
}

TEST_F(FrameTest, ToolbarHoldsItsFifteenButtons) {
    const QStringList tooltips{"Go to the First Page",
                               "Go to the Prior Page",
                               "Go to the Prior Record",
                               "Locate record",
                               "Go to the Next Record",
                               "Go to the Next Page",
                               "Go to the Last Page",
                               "Select This Record",
                               "Insert a New Record",
                               "Редактировать запись",
                               "Удалить запись",
                               "Вставить предыдущее значение",
                               "Помощь",
                               "[Точная настройка печати строк формы]",
                               "[Контакты (электронный адрес, сайт)]"};
    showFrame();
    QStringList shown;
    for (QAction* action : buttons()) {
        shown << action->toolTip();
        EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
    }
    EXPECT_EQ(shown, tooltips);
}

TEST_F(FrameTest, WindowsNotYetRegisteredAreDisabledAndOthersStart) {
    int started = 0;
    registerProcedure("Rep_data", [&started] { ++started; });
    ASSERT_FALSE(isProcedureRegistered("BrowseNastr"));  // this program registers only its own
    showFrame();
    EXPECT_FALSE(menuItem("Настройка формы")->isEnabled());
    EXPECT_FALSE(button("[Точная настройка печати строк формы]")->isEnabled());
    EXPECT_EQ(menuItem("Настройка формы")->statusTip(), "");
    QAction* report = menuItem("О выданных документах");
    ASSERT_TRUE(report->isEnabled());
    report->trigger();
    EXPECT_EQ(started, 1);
}

TEST_F(FrameTest, NavigationButtonsMoveTheActiveList) {
    showFrame();
    BrowseBdWindow* window = openSelection();
    TableAccess& heads = window->selection().heads();
    EXPECT_EQ(heads.record().integer(RID::KOD), 1);
    button("Go to the Next Record")->trigger();
    EXPECT_EQ(heads.record().integer(RID::KOD), 2);
    button("Go to the Last Page")->trigger();
    EXPECT_EQ(heads.record().integer(RID::KOD), 3);
    button("Go to the Prior Record")->trigger();
    EXPECT_EQ(heads.record().integer(RID::KOD), 2);
    button("Go to the First Page")->trigger();
    EXPECT_EQ(heads.record().integer(RID::KOD), 1);
}

TEST_F(FrameTest, NavigationButtonsDoNothingWithoutAWindow) {
    showFrame();
    for (qsizetype i = 0; i < 13; ++i)
        buttons()[i]->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(frame->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(Help::window(), nullptr);
}

TEST_F(FrameTest, HelpButtonsOpenTheirTopics) {
    showFrame();
    button("[Контакты (электронный адрес, сайт)]")->trigger();
    EXPECT_EQ(Help::currentTopic(), "Контакты.htm");
    ASSERT_NE(Help::window(), nullptr);
    menuItem("Инструкция по работе  ")->trigger();
    EXPECT_EQ(Help::currentTopic(), "Краткое описание.htm");
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);  // one help window
}

TEST_F(FrameTest, HintsGoToTheFirstZoneAndGiveWayToTheFocusedControl) {
    showFrame();
    auto* entry = new QLineEdit;
    ControlStyle::setStatusText(entry, "Номер свидетельства");
    WindowHost::instance().open(entry);
    focusOn(entry);
    QStatusTipEvent hovered("Exit this application");
    QApplication::sendEvent(frame.get(), &hovered);
    EXPECT_EQ(WindowHost::instance().statusText(StatusZone::Hint), "Exit this application");
    QStatusTipEvent left("");
    QApplication::sendEvent(frame.get(), &left);
    EXPECT_EQ(WindowHost::instance().statusText(StatusZone::Hint), "Номер свидетельства");
}

TEST_F(FrameTest, ClosingClosesFormsBeforeTheirListsAndKeepsPlacements) {
    showFrame();
    frame->setGeometry(40, 50, 900, 700);
    BrowseBdWindow* window = openSelection();
    window->controls().control<QPushButton>("?Change")->click();
    ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 2);
    EXPECT_TRUE(frame->close());
    SettingsFile& settings = SettingsFile::instance();
    EXPECT_EQ(settings.value("Main", "Width").toInt(), 900);
    EXPECT_EQ(settings.value("Main", "X").toInt(), 40);
    EXPECT_TRUE(settings.value("BrowseBD", "Width").isValid());
    EXPECT_TRUE(settings.value("UpdateBD", "Width").isValid());

    frame = std::make_unique<MainFrame>();
    EXPECT_EQ(frame->geometry(), QRect(40, 50, 900, 700));
}

// Dialogs close through reject(); a window that turns its close into another
// close request would never go and would hold the program open.
TEST_F(FrameTest, EveryWindowOfTheMenuClosesWithTheFrame) {
    registerAllProcedures();
    showFrame();
    for (const char* name : {"Rep_data", "BrowseNastr", "Rep_data"})
        ASSERT_TRUE(startProcedure(name)) << name;
    ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 3);
    frame->mdiArea()->subWindowList().at(0)->close();
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 2);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(frame->mdiArea()->subWindowList().isEmpty());
}

TEST_F(FrameTest, ClosingWaitsForAFormWithChanges) {
    showFrame();
    BrowseBdWindow* window = openSelection();
    window->controls().control<QPushButton>("?Change")->click();
    QMdiSubWindow* form = frame->mdiArea()->subWindowList(QMdiArea::CreationOrder).last();
    auto* name = qobject_cast<SelectionFormWindow*>(form->widget())
                     ->controls()
                     .control<QLineEdit>("?RID:NAME");
    focusOn(name);
    name->setText("Изменено");
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 2);
}

}  // namespace
