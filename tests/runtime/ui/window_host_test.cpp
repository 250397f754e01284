#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>

#include "runtime/ui/control_style.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/window_host.h"
#include "support/temp_folder.h"
#include "ui_test_support.h"

namespace {

// A list window that handles paging and knows nothing of deleting.
class ListWindow : public QWidget, public ToolbarClient {
public:
    ListWindow() : entry(new QLineEdit(this)) {}
    bool toolbarAction(ToolbarAction action) override {
        actions.append(action);
        return action != ToolbarAction::Delete;
    }

    QLineEdit* entry;
    QList<ToolbarAction> actions;
};

// A part of a window that answers the history button itself.
class HistoryEntry : public QLineEdit, public ToolbarClient {
public:
    using QLineEdit::QLineEdit;
    bool toolbarAction(ToolbarAction action) override {
        recalled = action == ToolbarAction::History;
        return recalled;
    }
    bool recalled = false;
};

class WindowHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.resize(800, 600);
        showActive(frame);
        host.setMdiArea(&frame);
    }
    void TearDown() override {
        frame.closeAllSubWindows();
        host.setMdiArea(nullptr);
    }

    WindowHost& host = WindowHost::instance();
    QMdiArea frame;
};

TEST_F(WindowHostTest, WindowsOpenAsChildrenOfTheFrame) {
    auto* list = new ListWindow;
    QWidget* carrier = host.open(list);
    EXPECT_EQ(frame.subWindowList().size(), 1);
    EXPECT_EQ(carrier, frame.subWindowList().first());
    EXPECT_EQ(host.windowOf(list->entry), list);
    list->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.subWindowList().isEmpty());
}

TEST_F(WindowHostTest, NewWindowsLieWithinTheFrame) {
    const QRect inside = frame.viewport()->rect();
    for (int i = 0; i < 4; ++i) {
        QWidget* carrier = host.open(new ListWindow, {}, QSize(500, 400));
        EXPECT_TRUE(inside.contains(carrier->geometry())) << i;
    }
}

TEST_F(WindowHostTest, AWindowSavedLargerThanTheFrameIsShrunkIntoIt) {
    TempFolder folder;
    const QString before = SettingsFile::instance().path();
    SettingsFile::instance().setPath(folder.file("vetdocs.INI"));
    // A size and place saved on a larger screen.
    SettingsFile::instance().setValue("Form", "X", 30);
    SettingsFile::instance().setValue("Form", "Y", 20);
    SettingsFile::instance().setValue("Form", "Width", 1200);
    SettingsFile::instance().setValue("Form", "Height", 1300);
    QWidget* carrier = host.open(new ListWindow, "Form", QSize(300, 200));
    EXPECT_EQ(carrier->geometry(), frame.viewport()->rect());
    SettingsFile::instance().setPath(before);
}

TEST_F(WindowHostTest, ClosingTheFrameOfAChildAsksTheWindowInside) {
    // A window that refuses to close, as a form with unsaved changes does.
    class Stubborn : public QWidget {
    protected:
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    QWidget* carrier = host.open(new Stubborn);
    EXPECT_FALSE(carrier->close());
    EXPECT_TRUE(carrier->isVisible());
    EXPECT_EQ(frame.subWindowList().size(), 1);
}

TEST_F(WindowHostTest, MinimizingAChildKeepsIt) {
    QMdiSubWindow* carrier = qobject_cast<QMdiSubWindow*>(host.open(new ListWindow));
    carrier->showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(frame.subWindowList().size(), 1);
    carrier->showNormal();
    EXPECT_TRUE(carrier->widget()->isVisible());
}

TEST_F(WindowHostTest, ToolbarGoesToTheActiveWindowFromTheFocusOutwards) {
    auto* list = new ListWindow;
    auto* historyEntry = new HistoryEntry(list);
    host.open(list);
    focusOn(list->entry);
    EXPECT_TRUE(host.dispatch(ToolbarAction::NextPage));
    EXPECT_FALSE(host.dispatch(ToolbarAction::Delete));
    EXPECT_EQ(list->actions, (QList{ToolbarAction::NextPage, ToolbarAction::Delete}));

    focusOn(historyEntry);
    EXPECT_TRUE(host.dispatch(ToolbarAction::History));
    EXPECT_TRUE(historyEntry->recalled);
    EXPECT_EQ(list->actions.size(), 2);
}

TEST_F(WindowHostTest, ToolbarWithNoWindowDoesNothing) {
    EXPECT_FALSE(host.dispatch(ToolbarAction::FirstPage));
}

TEST_F(WindowHostTest, ActionZoneFollowsTheActiveRecordForm) {
    auto* form = new ListWindow;
    auto* list = new ListWindow;
    host.open(list);
    host.open(form);
    focusOn(form->entry);
    host.setWindowAction(form, "Добавить запись");
    EXPECT_EQ(host.statusText(StatusZone::Action), "Добавить запись");
    focusOn(list->entry);
    EXPECT_EQ(host.statusText(StatusZone::Action), "");
    focusOn(form->entry);
    EXPECT_EQ(host.statusText(StatusZone::Action), "Добавить запись");
}

TEST_F(WindowHostTest, StatusTextChangesAreSignalled) {
    QSignalSpy spy(&host, &WindowHost::statusTextChanged);
    auto* list = new ListWindow;
    ControlStyle::setStatusText(list->entry, "Полный путь к БД");
    host.open(list);
    focusOn(list->entry);
    ASSERT_FALSE(spy.isEmpty());
    EXPECT_EQ(host.statusText(StatusZone::Hint), "Полный путь к БД");
}

TEST_F(WindowHostTest, PlacementIsRestoredAtOpenAndSavedAtClose) {
    TempFolder folder;
    const QString before = SettingsFile::instance().path();
    SettingsFile::instance().setPath(folder.file("vetdocs.INI"));
    auto* first = new ListWindow;
    QWidget* carrier = host.open(first, "BrowseBD", QSize(300, 200));
    // The declared size is the window's own area; the child window's frame
    // and title come on top.
    EXPECT_EQ(first->size(), QSize(300, 200));
    EXPECT_GT(carrier->height(), 200);
    carrier->setGeometry(20, 30, 350, 250);
    carrier->close();
    QApplication::processEvents();

    QWidget* again = host.open(new ListWindow, "BrowseBD", QSize(300, 200));
    EXPECT_EQ(again->geometry(), QRect(20, 30, 350, 250));
    SettingsFile::instance().setPath(before);
}

}  // namespace
