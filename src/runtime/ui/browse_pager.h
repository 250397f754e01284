#pragma once

#include <QVariant>
#include <vector>

#include "runtime/storage/stored_record.h"
#include "runtime/ui/browse_source.h"

// The page a browse list shows and its highlighted row. Every move reads
// only the rows it brings into view, near the rows already shown.
class BrowsePager {
public:
    // Shows the first page of the source; null shows nothing.
    void setSource(BrowseSource* source);
    BrowseSource* source() const { return source_; }

    // Rows the list has room for. Growing reads the rows to fill it.
    void setPageSize(int rows);
    int pageSize() const { return pageSize_; }

    const std::vector<StoredRecord>& rows() const { return rows_; }
    // Index of the highlighted row in rows(); -1 when the page is empty.
    int current() const { return current_; }
    const StoredRecord* currentRow() const;

    void first();
    void last();
    void nextRecord();
    void priorRecord();
    void nextPage();
    void priorPage();
    // Moves the page by rows (down when positive); the highlighted row
    // stays while it is in view.
    void scroll(int rows);
    void select(int index);
    // The first row whose locator field is not less than value, or the last
    // row when there is none.
    void locate(const QVariant& value);
    // For the scroll bar: the highlighted row's estimated place (0..1), and
    // a jump to the row near a place.
    double fraction() const;
    void jumpTo(double fraction);

    // Reads the page again around the highlighted row as it is now, or the
    // row after it when it is gone (deleted).
    void refresh();
    // Reads the page again with the row stored at position highlighted, or
    // as refresh() when the source does not hold it.
    void refreshAt(qint64 position);
    // True when the source has changed since the page was read.
    bool stale() const;

private:
    // Shows anchor at index of the page, the page filled around it.
    void showAround(StoredRecord anchor, int index);
    void show(std::vector<StoredRecord> rows, int current);
    int room() const { return pageSize_ - static_cast<int>(rows_.size()); }

    BrowseSource* source_ = nullptr;
    int pageSize_ = 10;
    std::vector<StoredRecord> rows_;
    int current_ = -1;
    qint64 stamp_ = 0;
};
