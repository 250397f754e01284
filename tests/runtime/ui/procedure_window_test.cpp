#include <gtest/gtest.h>

#include <QMdiArea>

#include "runtime/ui/dialog_units.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/window_host.h"
#include "support/temp_folder.h"
#include "ui_test_support.h"

namespace {

TEST(ProcedureWindowTest, WindowFontDropsTheCyrillicSuffix) {
    const QFont font = windowFont(QStringLiteral("Arial CYR"), 7);
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pointSize(), 7);
}

TEST(ProcedureWindowTest, AreaInsideTheFrameGetsItsDeclaredSizeInDialogUnits) {
    TempFolder folder;
    const QString before = SettingsFile::instance().path();
    SettingsFile::instance().setPath(folder.file("vetdocs.INI"));
    QMdiArea frame;
    frame.resize(900, 700);
    showActive(frame);
    WindowHost::instance().setMdiArea(&frame);

    auto* window = new QWidget;
    window->setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    openProcedureWindow(window, QStringLiteral("Browse"), QSize(225, 160));
    EXPECT_EQ(window->size(), DialogUnits(window->font()).size(225, 160));

    frame.closeAllSubWindows();
    WindowHost::instance().setMdiArea(nullptr);
    SettingsFile::instance().setPath(before);
}

}  // namespace
