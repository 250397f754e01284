#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBlock>

#include "runtime/ui/help.h"
#include "runtime/ui/window_host.h"
#include "ui_test_support.h"

namespace {

class HelpTest : public ::testing::Test {
protected:
    void TearDown() override {
        delete Help::window();
        Help::setCurrentTopic({});
    }
};

TEST_F(HelpTest, MissingTopicSaysSoInsteadOfAnEmptyPage) {
    HelpWindow* help = Help::show("Нет такого раздела.htm");
    EXPECT_TRUE(help->toPlainText().contains("Раздел справки не найден"));
    EXPECT_TRUE(help->toPlainText().contains("Нет такого раздела.htm"));
    EXPECT_EQ(Help::currentTopic(), "Нет такого раздела.htm");
}

TEST_F(HelpTest, TopicsOfTheProgramArePresent) {
    for (const char* topic :
         {"Содержание.htm", "Краткое описание.htm", "Контакты.htm", "Форма №2.htm",
          "Точная настройка печати.htm", "Отчёт за период.htm"}) {
        HelpWindow* help = Help::show(topic);
        EXPECT_FALSE(help->toPlainText().contains("Раздел справки не найден")) << topic;
        EXPECT_GT(help->toPlainText().size(), 100) << topic;
    }
}

TEST_F(HelpTest, TopicsShareOneStyleSheet) {
    HelpWindow* help = Help::show("Контакты.htm");
    QTextBlock heading = help->document()->begin();
    while (heading.isValid() && heading.text() != QStringLiteral("Контакты")) heading = heading.next();
    ASSERT_TRUE(heading.isValid());
    EXPECT_EQ(heading.begin().fragment().charFormat().foreground().color(), QColor(0x00, 0x67, 0x3a));
}

TEST_F(HelpTest, OneHelpWindowShowsEachTopicAskedFor) {
    HelpWindow* first = Help::show("Форма №2.htm");
    HelpWindow* second = Help::show("Контакты");
    EXPECT_EQ(first, second);
    EXPECT_EQ(Help::currentTopic(), "Контакты");
    EXPECT_TRUE(second->source().toString().endsWith("Контакты.htm"));
}

TEST_F(HelpTest, F1OpensTheContentsUntilATopicIsAskedFor) {
    Help::installF1();
    QWidget window;
    showActive(window);
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_NE(Help::window(), nullptr);
    EXPECT_TRUE(Help::window()->source().toString().endsWith(Help::kContents));

    Help::setCurrentTopic("Отчёт за период.htm");
    showActive(window);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_TRUE(Help::window()->source().toString().endsWith("Отчёт за период.htm"));
}

TEST_F(HelpTest, HelpOpensInsideTheFrame) {
    QMdiArea frame;
    WindowHost::instance().setMdiArea(&frame);
    HelpWindow* help = Help::show(Help::kContents);
    EXPECT_EQ(frame.subWindowList().size(), 1);
    EXPECT_EQ(frame.subWindowList().first()->widget(), help);
    delete help;
    WindowHost::instance().setMdiArea(nullptr);
}

}  // namespace
