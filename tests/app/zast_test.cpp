#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/zast.h"
#include "runtime/ui/picture_control.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/ui_test_support.h"
#include "runtime/ui/window_host.h"
#include "support/temp_folder.h"

namespace {

class ZastTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousSettings = SettingsFile::instance().path();
        SettingsFile::instance().setPath(folder.file("vetdocs.INI"));
        area.resize(900, 700);
        showActive(area);
        WindowHost::instance().setMdiArea(&area);
    }
    void TearDown() override {
        area.closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WindowHost::instance().setMdiArea(nullptr);
        SettingsFile::instance().setPath(previousSettings);
    }

    ZastWindow* open() {
        Zast();
        QApplication::processEvents();
        return qobject_cast<ZastWindow*>(area.subWindowList().last()->widget());
    }
    // Lets the posted close happen.
    void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qsizetype abouts() {
        qsizetype count = 0;
        for (QMdiSubWindow* sub : area.subWindowList())
            if (qobject_cast<ZastWindow*>(sub->widget())) ++count;
        return count;
    }

    TempFolder folder;
    QString previousSettings;
    QMdiArea area;
};

TEST_F(ZastTest, ShowsItsTextsInTheirFontsAndColours) {
    ZastWindow* about = open();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "О программе");
    QStringList texts;
    for (QLabel* label : about->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(texts, (QStringList{"Ветеринарные сопроводительные документы",
                                  "Рекомендации, заполнение и печать", "ФОРМА №2",
                                  "\"Ветеринарное свидетельство\""}));
    const QLabel* heading = about->findChildren<QLabel*>()[0];
    EXPECT_TRUE(heading->font().underline());
    EXPECT_EQ(heading->font().pointSize(), 8);
    EXPECT_EQ(heading->palette().color(QPalette::WindowText), QColor(0, 128, 64));
    EXPECT_EQ(about->findChildren<QLabel*>()[2]->palette().color(QPalette::WindowText),
              QColor(0, 64, 128));
    EXPECT_EQ(about->findChildren<PictureControl*>().size(), 2);  // icon and blank
}

TEST_F(ZastTest, ClickClosesIt) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        ZastWindow* about = open();
        QTest::mouseClick(about, button, {}, QPoint(20, 100));
        settle();
        EXPECT_EQ(abouts(), 0) << button;
    }
    ZastWindow* about = open();
    QTest::mouseDClick(about, Qt::LeftButton, {}, QPoint(20, 100));
    settle();
    EXPECT_EQ(abouts(), 0);
}

TEST_F(ZastTest, AnotherWindowBecomingActiveClosesIt) {
    open();
    QMdiSubWindow* other = area.addSubWindow(new QWidget);
    other->show();
    area.setActiveSubWindow(other);
    settle();
    EXPECT_EQ(abouts(), 0);
}

TEST_F(ZastTest, SecondOneClosesTheFirst) {
    open();
    open();
    settle();
    EXPECT_EQ(abouts(), 1);
}

TEST_F(ZastTest, ClickOnTheFramesFreeAreaClosesIt) {
    ZastWindow* about = open();
    QWidget* carrier = about->parentWidget();
    carrier->move(0, 0);
    QTest::mouseClick(area.viewport(), Qt::LeftButton, {}, QPoint(850, 650));
    settle();
    EXPECT_EQ(abouts(), 0);
}

TEST_F(ZastTest, ReopensWhereItWasClosed) {
    ZastWindow* about = open();
    about->parentWidget()->move(123, 45);
    about->parentWidget()->close();
    settle();
    about = open();
    EXPECT_EQ(about->parentWidget()->pos(), QPoint(123, 45));
}

}  // namespace
