#pragma once

#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "data/database_selection.h"
#include "runtime/ui/browse_list.h"
#include "runtime/ui/control_set.h"
#include "runtime/ui/toolbar_client.h"
#include "runtime/ui/window_context.h"

// The window of BrowseBD: head organisations above, the data folders of the
// highlighted one below, the path of the highlighted folder at the bottom.
// Highlighting a folder makes it the active one; "Подключить" does too, and
// closes the window. While one of its forms is open the window waits for it,
// disabled, and then shows the record worked on.
class BrowseBdWindow : public QWidget, public ToolbarClient {
    Q_OBJECT

public:
    explicit BrowseBdWindow(std::unique_ptr<WindowContext> context);
    ~BrowseBdWindow() override;

    WindowContext& context() { return *context_; }
    DatabaseSelection& selection() { return *selection_; }
    ControlSet& controls() { return *controls_; }
    BrowseList* headList() const { return heads_; }
    BrowseList* folderList() const { return folders_; }
    QMenu* sortMenu() const { return sortMenu_; }

    // The navigation buttons go to the list that had the focus last.
    bool toolbarAction(ToolbarAction action) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLists();
    BrowseList* makeList(TableAccess& access, At at, const QString& tooltip,
                         std::vector<BrowseColumn> columns);
    void bindButtons(BrowseList* list, const QString& suffix);
    void headMoved();
    void folderMoved(BrowseList::Event event);
    void makeFolderActive();
    void connectFolder();
    void showSortMenu();
    void setHeadOrder(DatabaseSelection::HeadOrder order);
    void callForm(BrowseList* list, Request request);
    void formDone(BrowseList* list);

    std::unique_ptr<WindowContext> context_;
    std::unique_ptr<DatabaseSelection> selection_;
    ControlSet* controls_ = nullptr;
    BrowseList* heads_ = nullptr;
    BrowseList* folders_ = nullptr;
    QPointer<BrowseList> lastList_;
    QMenu* sortMenu_ = nullptr;
    bool waiting_ = false;
    QString refusedPath_;
};
