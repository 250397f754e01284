#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/storage/table_access.h"
#include "runtime/ui/browse_column.h"
#include "runtime/ui/browse_locator.h"
#include "runtime/ui/browse_pager.h"
#include "runtime/ui/browse_source.h"
#include "runtime/ui/toolbar_client.h"

class QAbstractButton;
class QKeyEvent;
class QScrollBar;
class QTableView;
class QWheelEvent;
class BrowseCellDelegate;
class BrowseHeaderView;
class BrowseModel;

// A paged list of a table's records: shows one page read from its source,
// keeps the highlighted row's record in the table's record buffer, and
// reports every event so that its window can react. Measures are dialog
// units of the list's font.
class BrowseList : public QWidget, public ToolbarClient {
    Q_OBJECT

public:
    // What made a list event; each is reported after the highlighted row's
    // record has been loaded into the buffer.
    enum class Event { NewRow, Click, Scroll, Key };
    Q_ENUM(Event)

    // access: the table whose record buffer holds the highlighted row.
    explicit BrowseList(TableAccess& access, QWidget* parent = nullptr);
    ~BrowseList() override;

    void setColumns(std::vector<BrowseColumn> columns);
    void setRowHeight(int units);
    void setRowColoring(BrowseRowColoring coloring);
    void setSelectionColor(const QColor& fill);
    // Shows the first page of the source.
    void setSource(std::unique_ptr<BrowseSource> source);
    BrowseSource* source() const { return source_.get(); }
    // Buttons of the window that insert, change and delete; change and
    // delete are disabled while the list is empty.
    void setRecordButtons(QAbstractButton* insert, QAbstractButton* change,
                          QAbstractButton* remove);

    const BrowsePager& pager() const { return pager_; }
    const StoredRecord* currentRow() const { return pager_.currentRow(); }
    BrowseModel* model() const { return model_; }
    QTableView* view() const { return view_; }
    QScrollBar* scrollBar() const { return scrollBar_; }

    // The frame toolbar's actions.
    void firstPage();
    void priorPage();
    void priorRecord();
    // Gives the list the focus for a fresh locator value.
    void locate();
    void nextRecord();
    void nextPage();
    void lastPage();
    void selectRecord() { emit selectRequested(); }
    void insertRecord() { emit insertRequested(); }
    void changeRecord();
    void deleteRecord();
    // Record actions and help count as handled only when someone listens.
    bool toolbarAction(ToolbarAction action) override;

    // After a form returns: the page read again around the highlighted row,
    // or the row after it when it is gone.
    void refresh();
    // The page read again with the record at position highlighted.
    void refreshAt(qint64 position);
    // Refreshes when the table has changed since the page was read; done
    // every second. Not while the list is hidden, as another list may hold
    // the buffer, nor while it is disabled: then it waits for the form it
    // called, whose record is in the buffer.
    void refreshIfChanged();

signals:
    void listEvent(BrowseList::Event event);
    void selectRequested();
    void insertRequested();
    void changeRequested();
    void deleteRequested();
    void locateRequested();
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void run(ToolbarAction action, Event cause);
    // Moves by step, shows the page, loads the highlighted row and reports.
    void move(const std::function<void()>& step, Event cause);
    // As move, for the user's moves other than typing: a fresh locator value.
    void navigate(const std::function<void()>& step, Event cause);
    void showPage();
    void loadCurrent();
    void applyMeasures();
    void fitPageSize();
    bool keyPressed(QKeyEvent* key);
    bool locatorKey(QKeyEvent* key);
    void wheelTurned(QWheelEvent* wheel);
    void scrollBarAction(int action);
    bool handles(ToolbarAction action) const;
    bool listened(void (BrowseList::*signal)()) const;

    TableAccess& access_;
    std::unique_ptr<BrowseSource> source_;
    BrowsePager pager_;
    std::optional<BrowseLocator> locator_;
    QElapsedTimer clock_;
    QTimer changeTimer_;
    int rowHeight_ = 10;
    int wheelRest_ = 0;
    BrowseModel* model_;
    QTableView* view_;
    BrowseHeaderView* header_;
    BrowseCellDelegate* delegate_;
    QScrollBar* scrollBar_;
    QPointer<QAbstractButton> changeButton_;
    QPointer<QAbstractButton> deleteButton_;
};
