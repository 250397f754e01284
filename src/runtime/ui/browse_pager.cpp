#include "runtime/ui/browse_pager.h"

#include <algorithm>
#include <iterator>

namespace {

using Rows = std::vector<StoredRecord>;

int size(const Rows& rows) {
    return static_cast<int>(rows.size());
}

void append(Rows& rows, Rows more) {
    rows.insert(rows.end(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
}

void prepend(Rows& rows, Rows more) {
    rows.insert(rows.begin(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
}

// Keeps count rows from first on.
void keep(Rows& rows, int first, int count) {
    rows.erase(rows.begin() + std::min(first + count, size(rows)), rows.end());
    rows.erase(rows.begin(), rows.begin() + first);
}

}  // namespace

void BrowsePager::setSource(BrowseSource* source) {
    source_ = source;
    rows_.clear();
    current_ = -1;
    first();
}

const StoredRecord* BrowsePager::currentRow() const {
    return current_ < 0 ? nullptr : &rows_[current_];
}

void BrowsePager::show(Rows rows, int current) {
    rows_ = std::move(rows);
    current_ = rows_.empty() ? -1 : std::clamp(current, 0, size(rows_) - 1);
    stamp_ = source_->changeStamp();
}

void BrowsePager::setPageSize(int rows) {
    pageSize_ = std::max(rows, 1);
    if (!source_) return;
    if (rows_.empty()) return first();
    if (room() < 0) {
        // Drop rows from the end, and from the start only when the
        // highlighted row would go.
        const int end = std::max(pageSize_, current_ + 1);
        keep(rows_, end - pageSize_, pageSize_);
        current_ -= end - pageSize_;
    }
    if (room() > 0) append(rows_, source_->next(&rows_.back(), room()));
    if (room() > 0) {
        Rows before = source_->prior(&rows_.front(), room());
        current_ += size(before);
        prepend(rows_, std::move(before));
    }
}

void BrowsePager::first() {
    if (source_) show(source_->next(nullptr, pageSize_), 0);
}

void BrowsePager::last() {
    if (!source_) return;
    Rows rows = source_->prior(nullptr, pageSize_);
    const int current = size(rows) - 1;
    show(std::move(rows), current);
}

void BrowsePager::nextRecord() {
    if (!source_) return;
    if (rows_.empty()) return first();
    if (current_ < size(rows_) - 1) return select(current_ + 1);
    Rows next = source_->next(&rows_.back(), 1);
    if (next.empty()) return;
    Rows rows = rows_;
    append(rows, std::move(next));
    keep(rows, std::max(size(rows) - pageSize_, 0), pageSize_);
    const int current = size(rows) - 1;
    show(std::move(rows), current);
}

void BrowsePager::priorRecord() {
    if (!source_) return;
    if (rows_.empty()) return last();
    if (current_ > 0) return select(current_ - 1);
    Rows rows = source_->prior(&rows_.front(), 1);
    if (rows.empty()) return;
    append(rows, rows_);
    keep(rows, 0, pageSize_);
    show(std::move(rows), 0);
}

void BrowsePager::nextPage() {
    if (!source_) return;
    if (rows_.empty()) return first();
    Rows rows = rows_;
    append(rows, source_->next(&rows_.back(), pageSize_));
    const int drop = std::max(size(rows) - pageSize_, 0);
    const int target = std::min(current_ + pageSize_, size(rows) - 1);
    keep(rows, drop, pageSize_);
    show(std::move(rows), target - drop);
}

void BrowsePager::priorPage() {
    if (!source_) return;
    if (rows_.empty()) return last();
    Rows rows = source_->prior(&rows_.front(), pageSize_);
    const int target = std::max(current_ + size(rows) - pageSize_, 0);
    append(rows, rows_);
    keep(rows, 0, pageSize_);
    show(std::move(rows), target);
}

void BrowsePager::scroll(int rows) {
    if (!source_ || rows_.empty() || rows == 0) return;
    Rows page;
    int current = current_;
    if (rows > 0) {
        page = rows_;
        append(page, source_->next(&rows_.back(), rows));
        const int drop = std::max(size(page) - pageSize_, 0);
        keep(page, drop, pageSize_);
        current -= drop;
    } else {
        page = source_->prior(&rows_.front(), -rows);
        current += size(page);
        append(page, rows_);
        keep(page, 0, pageSize_);
    }
    show(std::move(page), current);
}

void BrowsePager::select(int index) {
    if (!rows_.empty()) current_ = std::clamp(index, 0, size(rows_) - 1);
}

void BrowsePager::locate(const QVariant& value) {
    if (!source_ || source_->locatorField() < 0) return;
    Rows rows = source_->from(value, pageSize_);
    if (rows.empty()) return last();
    Rows before;
    if (size(rows) < pageSize_) before = source_->prior(&rows.front(), pageSize_ - size(rows));
    const int current = size(before);
    append(before, std::move(rows));
    show(std::move(before), current);
}

double BrowsePager::fraction() const {
    return currentRow() ? source_->fractionOf(*currentRow()) : 0;
}

void BrowsePager::jumpTo(double fraction) {
    if (!source_) return;
    if (fraction <= 0) return first();
    if (fraction >= 1) return last();
    std::optional<StoredRecord> row = source_->rowNear(fraction);
    if (!row) return first();
    showAround(std::move(*row), std::max(current_, 0));
}

void BrowsePager::showAround(StoredRecord anchor, int index) {
    index = std::clamp(index, 0, pageSize_ - 1);
    Rows rows = index > 0 ? source_->prior(&anchor, index) : Rows{};
    const int before = size(rows);
    Rows after = source_->next(&anchor, pageSize_ - 1 - before);
    rows.push_back(std::move(anchor));
    append(rows, std::move(after));
    int current = before;
    // Near the end: fill the page with rows from before.
    if (before == index && size(rows) < pageSize_) {
        Rows more = source_->prior(&rows.front(), pageSize_ - size(rows));
        current += size(more);
        prepend(rows, std::move(more));
    }
    show(std::move(rows), current);
}

void BrowsePager::refresh() {
    if (!source_) return;
    if (rows_.empty()) return first();
    const StoredRecord row = *currentRow();
    if (std::optional<StoredRecord> now = source_->find(row.position))
        return showAround(std::move(*now), current_);
    Rows next = source_->next(&row, 1);
    if (next.empty()) return last();
    showAround(std::move(next.front()), current_);
}

void BrowsePager::refreshAt(qint64 position) {
    if (!source_) return;
    if (std::optional<StoredRecord> row = source_->find(position))
        return showAround(std::move(*row), std::max(current_, 0));
    refresh();
}

bool BrowsePager::stale() const {
    return source_ && source_->changeStamp() != stamp_;
}
