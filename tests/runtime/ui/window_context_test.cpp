#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "runtime/ui/message_box_error_manager.h"
#include "runtime/ui/window_context.h"
#include "ui_test_support.h"

namespace {

const Schema& emptySchema() {
    static const Schema schema;
    return schema;
}

std::unique_ptr<WindowContext> recordingContext(RecordingErrorManager** errors) {
    auto manager = std::make_unique<RecordingErrorManager>();
    *errors = manager.get();
    return std::make_unique<WindowContext>("BrowseBD", emptySchema(), std::move(manager));
}

TEST(WindowContextTest, StartsClearAndNamesItsProcedure) {
    RecordingErrorManager* errors = nullptr;
    auto context = recordingContext(&errors);
    EXPECT_EQ(context->procedure(), "BrowseBD");
    EXPECT_EQ(errors->procedure(), "BrowseBD");
    EXPECT_EQ(context->globalRequest(), Request::None);
    EXPECT_EQ(context->globalResponse(), Response::None);
    EXPECT_EQ(context->vcrRequest(), 0);
    EXPECT_EQ(static_cast<int>(Request::View), 6);
    EXPECT_EQ(static_cast<int>(Response::Cancelled), 2);
}

TEST(WindowContextTest, CalledFormTakesTheRequestAndGivesBackTheCallersName) {
    RecordingErrorManager* errors = nullptr;
    auto context = recordingContext(&errors);
    QWidget list, form;
    context->setWindow(&list);
    context->setGlobalRequest(Request::Change);
    context->setGlobalResponse(Response::Completed);
    {
        ProcedureScope scope(*context, "UpdateBD");
        context->setWindow(&form);
        EXPECT_EQ(scope.request(), Request::Change);
        EXPECT_EQ(context->globalRequest(), Request::None);
        EXPECT_EQ(context->globalResponse(), Response::None);
        EXPECT_EQ(errors->procedure(), "UpdateBD");
        context->setGlobalResponse(Response::Cancelled);
    }
    EXPECT_EQ(errors->procedure(), "BrowseBD");
    EXPECT_EQ(context->window(), &list);
    EXPECT_EQ(context->globalResponse(), Response::Cancelled);
}

QMessageBox* openBoxOf(QWidget* parent) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            if (box->isVisible() && box->parentWidget() == parent) return box;
    return nullptr;
}

TEST(MessageBoxErrorManagerTest, NoticeShowsOverTheWindowWithoutWaiting) {
    QWidget window;
    MessageBoxErrorManager errors([&] { return &window; });
    EXPECT_FALSE(errors.report(ErrorCode::InsertError, "forma3.dat", "UNIQUE constraint failed"));
    QMessageBox* box = openBoxOf(&window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Record Insert Error");
    EXPECT_TRUE(box->text().contains("forma3.dat"));
    EXPECT_FALSE(box->isModal());
    box->close();
}

TEST(MessageBoxErrorManagerTest, QuestionReturnsTheAnswer) {
    QWidget window;
    showActive(window);
    MessageBoxErrorManager errors([&] { return &window; });
    for (const auto& [button, expected] :
         {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
        QTimer::singleShot(0, [&, button = button] {
            QMessageBox* box = openBoxOf(&window);
            ASSERT_NE(box, nullptr);
            box->button(button)->click();
        });
        EXPECT_EQ(errors.report(ErrorCode::AutoIncError, "RIDGEN", "busy", "RID:K1"), expected);
    }
}

TEST(WindowContextTest, DefaultMessagesGoToTheContextsWindow) {
    WindowContext context("BrowseBD", emptySchema());
    QWidget window;
    context.setWindow(&window);
    context.errors().report(ErrorCode::WriteError, "CONFIG.DAT", "disk full");
    QMessageBox* box = openBoxOf(&window);
    ASSERT_NE(box, nullptr);
    box->close();
}

}  // namespace
