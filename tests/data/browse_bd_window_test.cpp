#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

#include "data/browse_bd_window.h"
#include "data/selection_controls.h"
#include "data/selection_form_window.h"
#include "runtime/ui/browse_model.h"
#include "runtime/ui/input_notice.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/ui_test_support.h"
#include "runtime/ui/window_host.h"
#include "selection_fixture.h"

namespace {

class BrowseBdWindowTest : public SelectionFixture {
protected:
    void SetUp() override {
        SelectionFixture::SetUp();
        previousSettings = SettingsFile::instance().path();
        SettingsFile::instance().setPath(work.file("vetdocs.INI"));
        frame.resize(1200, 900);
        showActive(frame);
        WindowHost::instance().setMdiArea(&frame);
    }
    void TearDown() override {
        // Torn down without closing, the list first, as a frame going away does.
        QList<QPointer<QMdiSubWindow>> subs;
        for (QMdiSubWindow* sub : frame.subWindowList(QMdiArea::CreationOrder))
            subs << sub;
        for (const QPointer<QMdiSubWindow>& sub : subs)
            delete sub.data();
        WindowHost::instance().setMdiArea(nullptr);
        SettingsFile::instance().setPath(previousSettings);
        SelectionFixture::TearDown();
    }

    void open() {
        window = new BrowseBdWindow(std::move(ownedContext));
        openProcedureWindow(window, "BrowseBD", SelectionControls::kBrowseSize);
        QApplication::processEvents();
    }

    QPushButton* button(const char* label) {
        return window->controls().control<QPushButton>(QLatin1String(label));
    }
    QString pathField() { return window->controls().control<QLineEdit>("?PathField")->text(); }
    void clickRow(BrowseList* list, int row) {
        QTableView* view = list->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
    }
    QStringList column(BrowseList* list, int column) {
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->cellText(row, column).trimmed();
        return texts;
    }

    // The open form of the window, or null.
    SelectionFormWindow* form() {
        for (QMdiSubWindow* sub : frame.subWindowList())
            if (auto* found = qobject_cast<SelectionFormWindow*>(sub->widget()))
                if (found->isVisible()) return found;
        return nullptr;
    }
    QLineEdit* formEntry(const char* label) {
        return form()->controls().control<QLineEdit>(QLatin1String(label));
    }
    void clickFormButton(const char* label) {
        form()->controls().control<QPushButton>(QLatin1String(label))->click();
        QApplication::processEvents();
    }
    void answer(QMessageBox::StandardButton choice) {
        QMessageBox* question = form()->guard().question();
        ASSERT_NE(question, nullptr);
        question->button(choice)->click();
        QApplication::processEvents();
    }
    void addHeadThroughTheForm(const QString& name) {
        button("?Insert")->click();
        ASSERT_NE(form(), nullptr);
        focusOn(formEntry("?RID:NAME"));
        typeText(formEntry("?RID:NAME"), name);
        clickFormButton("?OK");
        ASSERT_EQ(form(), nullptr);
    }

    QString previousSettings;
    QMdiArea frame;
    BrowseBdWindow* window = nullptr;
};

TEST_F(BrowseBdWindowTest, HighlightedFolderBecomesActiveAtOnce) {
    addHead(1, "Север");
    addFolder(1, "Первая", "/srv/first/");
    addFolder(1, "Вторая", "/srv/second/");
    open();
    EXPECT_EQ(pathField(), "/srv/first/");
    EXPECT_EQ(Forma3FileName.get(), "");  // opening the window is no choice
    clickRow(window->folderList(), 1);
    EXPECT_EQ(Forma3FileName.get(), "/srv/second/forma3.dat");
    EXPECT_EQ(pathField(), "/srv/second/");
    QTest::keyClick(window->folderList()->view(), Qt::Key_Up);
    EXPECT_EQ(Forma3FileName.get(), "/srv/first/forma3.dat");
    EXPECT_EQ(pathField(), "/srv/first/");
}

TEST_F(BrowseBdWindowTest, ConnectMakesTheHighlightedFolderActiveAndCloses) {
    addHead(1, "Север");
    addFolder(1, "Первая", "/srv/first/");
    open();
    button("?Connect")->click();
    QApplication::processEvents();
    EXPECT_EQ(Forma3FileName.get(), "/srv/first/forma3.dat");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(BrowseBdWindowTest, OpensOnTheFolderInUseAndConnectKeepsIt) {
    addHead(1, "Север");
    addFolder(1, "Первая", "/srv/first/");
    addHead(2, "Юг");
    addFolder(2, "Вторая", "/srv/second/");
    addFolder(2, "Третья", "/srv/third/");
    ASSERT_FALSE(DataFolder::activate("/srv/third"));
    open();
    ASSERT_TRUE(window->headList()->currentRow() && window->folderList()->currentRow());
    EXPECT_EQ(window->selection().heads().record().text(RID::NAME).trimmed(), "Юг");
    EXPECT_EQ(window->selection().folders().record().text(KON::NAME).trimmed(), "Третья");
    EXPECT_EQ(pathField(), "/srv/third/");
    button("?Connect")->click();
    QApplication::processEvents();
    EXPECT_EQ(Forma3FileName.get(), "/srv/third/forma3.dat");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(BrowseBdWindowTest, FolderListFollowsTheHighlightedHead) {
    addHead(1, "Север");
    addHead(2, "Юг");
    addFolder(2, "Южная", "/srv/south/");
    open();
    EXPECT_TRUE(column(window->folderList(), 0).isEmpty());
    clickRow(window->headList(), 1);
    EXPECT_EQ(column(window->folderList(), 0), QStringList{"Южная"});
    EXPECT_EQ(pathField(), "/srv/south/");
    EXPECT_EQ(Forma3FileName.get(), "");  // the folder list itself was not touched
}

TEST_F(BrowseBdWindowTest, NewHeadWaitsForItsFormAndIsHighlightedAfter) {
    addHead(1, "Север");
    open();
    button("?Insert")->click();
    ASSERT_NE(form(), nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(formEntry("?RID:KOD")->text(), "2");
    EXPECT_EQ(WindowHost::instance().statusText(StatusZone::Action), "Добавить запись");
    focusOn(formEntry("?RID:NAME"));
    typeText(formEntry("?RID:NAME"), "Юг");
    clickFormButton("?OK");
    EXPECT_EQ(form(), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(column(window->headList(), 0), (QStringList{"Север", "Юг"}));
    EXPECT_EQ(window->headList()->pager().current(), 1);
    EXPECT_EQ(window->selection().heads().record().text(RID::NAME), "Юг");
}

TEST_F(BrowseBdWindowTest, UnchangedNewHeadClosesWithoutAskingAndGivesItsCodeBack) {
    open();
    button("?Insert")->click();
    ASSERT_NE(form(), nullptr);
    clickFormButton("?Cancel");
    EXPECT_EQ(form(), nullptr);
    EXPECT_TRUE(stored(window->selection().heads(), RID::KOD).isEmpty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(BrowseBdWindowTest, ChangedFormAsksBeforeItIsLeft) {
    open();
    button("?Insert")->click();
    focusOn(formEntry("?RID:NAME"));
    typeText(formEntry("?RID:NAME"), "Юг");
    clickFormButton("?Cancel");
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(form()->guard().question()->text(), "Не сохранять изменения?");

    answer(QMessageBox::No);
    ASSERT_NE(form(), nullptr);
    showActive(frame);  // the frame is active again once the box is gone
    EXPECT_EQ(QApplication::focusWidget(), formEntry("?RID:NAME"));
    EXPECT_EQ(formEntry("?RID:NAME")->text(), "Юг");

    clickFormButton("?Cancel");
    answer(QMessageBox::Yes);
    EXPECT_EQ(form(), nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(stored(window->selection().heads(), RID::KOD).isEmpty());
    EXPECT_TRUE(column(window->headList(), 0).isEmpty());
}

TEST_F(BrowseBdWindowTest, HistoryKeyPutsBackTheLastSavedValue) {
    addHead(1, "Север");
    open();
    button("?Change")->click();
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(WindowHost::instance().statusText(StatusZone::Action), "Изменить запись");
    formEntry("?RID:NAME")->clear();
    focusOn(formEntry("?RID:NAME"));
    typeText(formEntry("?RID:NAME"), "Заря");
    clickFormButton("?OK");

    button("?Insert")->click();
    ASSERT_NE(form(), nullptr);
    focusOn(formEntry("?RID:NAME"));
    QTest::keyClick(formEntry("?RID:NAME"), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(formEntry("?RID:NAME")->text(), "Заря");
    formEntry("?RID:NAME")->clear();
    EXPECT_TRUE(WindowHost::instance().dispatch(ToolbarAction::History));
    EXPECT_EQ(formEntry("?RID:NAME")->text(), "Заря");
}

TEST_F(BrowseBdWindowTest, DeletingAHeadTakesItsFoldersAtOnce) {
    addHead(1, "Север");
    addHead(2, "Юг");
    addFolder(1, "Северная", "/srv/north/");
    addFolder(2, "Южная", "/srv/south/");
    open();
    EXPECT_EQ(column(window->folderList(), 0), QStringList{"Северная"});
    button("?Delete")->click();
    QApplication::processEvents();
    EXPECT_EQ(form(), nullptr);  // no question
    EXPECT_EQ(column(window->headList(), 0), QStringList{"Юг"});
    EXPECT_EQ(column(window->folderList(), 0), QStringList{"Южная"});
    EXPECT_EQ(stored(window->selection().folders(), KON::NAME), QStringList{"Южная"});
}

TEST_F(BrowseBdWindowTest, SortMenuChecksTheCurrentTabAndSwitchesOrder) {
    addHead(2, "Абинск");
    addHead(1, "Восток");
    open();
    EXPECT_EQ(column(window->headList(), 0), (QStringList{"Восток", "Абинск"}));
    button("?SortButton")->click();
    QMenu* menu = window->sortMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "iD");
    EXPECT_EQ(menu->actions()[1]->text(), "Наименование");
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    menu->actions()[1]->trigger();
    menu->close();
    EXPECT_EQ(window->controls().currentTab("?CurrentTab"), "?Tab:2");
    EXPECT_EQ(column(window->headList(), 0), (QStringList{"Абинск", "Восток"}));
    button("?SortButton")->click();
    EXPECT_TRUE(window->sortMenu()->actions()[1]->isChecked());
    EXPECT_FALSE(window->sortMenu()->actions()[0]->isChecked());
    window->sortMenu()->close();
}

TEST_F(BrowseBdWindowTest, NewFolderGetsItsSlashAndItsHeadsCode) {
    TempFolder data;
    addHead(7, "Север");
    open();
    button("?Insert:2")->click();
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(formEntry("?KON:KOD")->text(), "7");
    focusOn(formEntry("?KON:NAME"));
    typeText(formEntry("?KON:NAME"), "Ветстанция");
    focusOn(formEntry("?KON:PATH"));
    typeText(formEntry("?KON:PATH"), data.path());
    clickFormButton("?OK");
    EXPECT_EQ(form(), nullptr);
    EXPECT_EQ(column(window->folderList(), 1), QStringList{data.folder()});
    EXPECT_EQ(pathField(), data.folder());
}

TEST_F(BrowseBdWindowTest, WarningAboutAMissingFolderOutlivesTheForm) {
    TempFolder data;
    addHead(1, "Север");
    open();
    button("?Insert:2")->click();
    focusOn(formEntry("?KON:PATH"));
    typeText(formEntry("?KON:PATH"), data.path() + "/нет");
    clickFormButton("?OK");
    EXPECT_EQ(form(), nullptr);
    EXPECT_EQ(messageTitles(), QStringList{"Папка не найдена"});
    EXPECT_EQ(window->context().window(), window);  // shown over the list
    EXPECT_EQ(column(window->folderList(), 1), QStringList{data.path() + "/нет/"});
}

TEST_F(BrowseBdWindowTest, PathTooLongIsRefusedAtItsField) {
    addHead(1, "Север");
    open();
    button("?Insert:2")->click();
    formEntry("?KON:PATH")->setText("/" + QString(250, u'п'));
    clickFormButton("?OK");
    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(InputNotice::isRefused(formEntry("?KON:PATH")));
    EXPECT_EQ(InputNotice::message(formEntry("?KON:PATH")),
              *DataFolder::refusal("/" + QString(250, u'п')));
    EXPECT_TRUE(stored(window->selection().folders(), KON::PATH).isEmpty());
}

TEST_F(BrowseBdWindowTest, ListWindowStaysWhileItsFormIsOpen) {
    addHead(1, "Север");
    open();
    button("?Change")->click();
    ASSERT_NE(form(), nullptr);
    EXPECT_FALSE(window->close());
    EXPECT_NE(form(), nullptr);
    clickFormButton("?Cancel");
    EXPECT_TRUE(window->close());
}

}  // namespace
