#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>

#include "runtime/ui/message_box_error_manager.h"
#include "runtime/ui/window_host.h"
#include "runtime/ui/window_question.h"

namespace {

// A frame with one window inside, as the program has them.
class FramedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        frame.setCentralWidget(area);
        WindowHost::instance().setMdiArea(area);
        frame.show();
        window = new QWidget;
        WindowHost::instance().open(window);
    }
    void TearDown() override { WindowHost::instance().setMdiArea(nullptr); }

    QMainWindow frame;
    QMdiArea* area = new QMdiArea;
    QPointer<QWidget> window;
};

}  // namespace

TEST_F(FramedWindow, AWindowGoneWhileAskingGetsNoAnswer) {
    int answers = 0;
    QPointer<QMessageBox> box =
        askQuestion(window, QStringLiteral("Изменения не сохранены!"),
                    QStringLiteral("Не сохранять изменения?"), [&](bool) { ++answers; });
    ASSERT_TRUE(box);
    delete window.data();
    QApplication::processEvents();
    EXPECT_EQ(answers, 0);
    EXPECT_TRUE(!box || !box->isVisible());
}

TEST_F(FramedWindow, AMessageOutlivesTheWindowItWasShownOver) {
    MessageBoxErrorManager errors([this] { return window.data(); });
    errors.report(ErrorCode::CreateError, QStringLiteral("/нет/forma3.dat"), QStringLiteral("нет папки"));
    delete window.data();
    QApplication::processEvents();
    const auto boxes = frame.findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front()->isVisible());
    EXPECT_TRUE(boxes.front()->text().contains(QStringLiteral("/нет/forma3.dat")));
}
