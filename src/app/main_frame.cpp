#include "app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "app/edit_actions.h"
#include "app/printer_setup.h"
#include "app/procedures.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/dialog_units.h"
#include "runtime/ui/help.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/window_host.h"
#include "runtime/ui/window_placement.h"

namespace {

const QString kSection = QStringLiteral("Main");
constexpr QSize kSize{505, 319};
constexpr int kActionZoneWidth = 160;

// The toolbar's wallpaper, drawn in place of the style's own panel.
class WallpaperToolBar : public QToolBar {
public:
    WallpaperToolBar(const QString& title, const QString& tile) : QToolBar(title), tile_(tile) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawTiledPixmap(rect(), tile_); }

private:
    QPixmap tile_;
};

QString versionTag() {
    return QStringLiteral(" v") + QStringLiteral(VETDOCS_VERSION).section(u'.', 0, 1);
}

}  // namespace

MainFrame::MainFrame() : mdiArea_(new QMdiArea(this)) {
    setWindowTitle(kTitle + versionTag());
    setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    setCentralWidget(mdiArea_);
    WindowHost::instance().setMdiArea(mdiArea_);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    WindowPlacement::restore(this, kSection, DialogUnits(font()).size(kSize));
}

MainFrame::~MainFrame() {
    WindowHost::instance().setMdiArea(nullptr);
}

QAction* MainFrame::makeAction(const QString& text, const QString& icon,
                               const FrameCommand& command) {
    auto* action = new QAction(QIcon(icon), text, this);
    if (command.kind == FrameCommand::Kind::Procedure)
        action->setEnabled(isProcedureRegistered(command.target));
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    return action;
}

void MainFrame::buildMenus() {
    const QFont menuFont = windowFont(QStringLiteral("Times New Roman CYR"), 9);
    menuBar()->setFont(menuFont);
    for (const FrameMenu& def : frameMenus()) {
        QMenu* menu = menuBar()->addMenu(def.title);
        menu->setFont(menuFont);
        menu->menuAction()->setStatusTip(def.hint);
        for (const FrameMenuItem& item : def.items) {
            if (item.text.isEmpty()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = makeAction(item.text, item.icon, item.command);
            action->setStatusTip(item.hint);
            menu->addAction(action);
        }
    }
}

void MainFrame::buildToolBar() {
    toolBar_ = new WallpaperToolBar(QStringLiteral("Панель инструментов"),
                                    QStringLiteral(":/pictures/fon_nnn.jpg"));
    addToolBar(toolBar_);
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(20, 20));
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const FrameButton& button : frameButtons()) {
        QAction* action = makeAction({}, button.icon, button.command);
        action->setToolTip(button.tooltip);
        toolBar_->addAction(action);
    }
}

void MainFrame::buildStatusBar() {
    hintZone_ = new QLabel;
    actionZone_ = new QLabel;
    actionZone_->setMinimumWidth(kActionZoneWidth);
    statusBar()->addWidget(hintZone_, 1);
    statusBar()->addWidget(actionZone_);
    connect(&WindowHost::instance(), &WindowHost::statusTextChanged, this,
            [this](StatusZone zone, const QString& text) {
                (zone == StatusZone::Hint ? hintZone_ : actionZone_)->setText(text);
            });
}

void MainFrame::run(const FrameCommand& command) {
    switch (command.kind) {
        case FrameCommand::Kind::None:
            return;
        case FrameCommand::Kind::PrinterSetup:
            return showPrinterSetup(this);
        case FrameCommand::Kind::Exit:
            close();
            return;
        case FrameCommand::Kind::Cut:
            applyEditAction(QApplication::focusWidget(), EditAction::Cut);
            return;
        case FrameCommand::Kind::Copy:
            applyEditAction(QApplication::focusWidget(), EditAction::Copy);
            return;
        case FrameCommand::Kind::Paste:
            applyEditAction(QApplication::focusWidget(), EditAction::Paste);
            return;
        case FrameCommand::Kind::Procedure:
            startProcedure(command.target);
            return;
        case FrameCommand::Kind::HelpTopic:
            Help::show(command.target);
            return;
        case FrameCommand::Kind::Navigate:
            return navigate(command.action);
    }
}

// With no window open the buttons do nothing; a window that keeps no help
// of its own gets the topic it set when it opened.
void MainFrame::navigate(ToolbarAction action) {
    WindowHost& host = WindowHost::instance();
    if (!host.dispatch(action) && action == ToolbarAction::Help && host.activeWindow())
        Help::showCurrent();
}

// Hints of the menus go to the first zone; when the menu closes, the zone
// shows the focused control's status text again.
bool MainFrame::event(QEvent* event) {
    if (event->type() != QEvent::StatusTip) return QMainWindow::event(event);
    QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (QWidget* focused = ControlStyle::owningControl(QApplication::focusWidget());
        tip.isEmpty() && focused)
        tip = ControlStyle::statusText(focused);
    WindowHost::instance().setStatusText(StatusZone::Hint, tip);
    return true;
}

// The newest first: a form closes before the list that waits for it.
bool MainFrame::closeChildren() {
    const QList<QMdiSubWindow*> children = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    bool all = true;
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        all = (*child)->close() && all;
    return all;
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!closeChildren()) {
        event->ignore();  // a form asks about its changes first
        return;
    }
    WindowPlacement::save(this, kSection);
    QMainWindow::closeEvent(event);
}
