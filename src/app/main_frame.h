#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QToolBar>

#include "app/frame_commands.h"

// MAIN: the frame every window of the program opens in, with its menu,
// toolbar and status bar. Its placement is kept in the section "Main".
class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral(
        "Ветеринарная служба РФ. Заполнение и печать ветеринарных сопроводительных документов.");

    MainFrame();
    ~MainFrame() override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    QToolBar* toolBar() const { return toolBar_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void run(const FrameCommand& command);
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    QAction* makeAction(const QString& text, const QString& icon, const FrameCommand& command);
    void navigate(ToolbarAction action);
    bool closeChildren();

    QMdiArea* mdiArea_;
    QToolBar* toolBar_ = nullptr;
    QLabel* hintZone_ = nullptr;
    QLabel* actionZone_ = nullptr;
};
