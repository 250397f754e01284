#include "register/register_list_source.h"

#include <algorithm>
#include <cmath>

#include "data/forma3.h"

RegisterListSource::RegisterListSource(TableAccess& certificates, MakeRows makeRows,
                                       bool numberOrder)
    : certificates_(certificates), makeRows_(std::move(makeRows)), numberOrder_(numberOrder) {}

const RegisterListSource::Rows& RegisterListSource::rows() {
    update();
    return rows_;
}

void RegisterListSource::update() {
    const qint64 stamp = changeStamp();
    if (stamp_ == stamp) return;
    before_ = std::move(rows_);
    rows_ = makeRows_();
    index_.clear();
    stamp_ = stamp;
}

int RegisterListSource::indexOf(qint64 position) {
    if (index_.empty() && !rows_.empty()) {
        index_.reserve(rows_.size());
        for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
            index_.emplace(rows_[i].position, i);
    }
    const auto it = index_.find(position);
    return it == index_.end() ? -1 : it->second;
}

int RegisterListSource::placeAfter(const StoredRecord& row) {
    if (const int index = indexOf(row.position); index >= 0) return index + 1;
    const auto old = std::find_if(before_.begin(), before_.end(),
                                  [&](const RegisterRow& r) { return r.position == row.position; });
    if (old == before_.end()) return 0;  // unknown: from the start, as a key read does
    for (auto it = old + 1; it != before_.end(); ++it)
        if (const int index = indexOf(it->position); index >= 0) return index;
    return static_cast<int>(rows_.size());
}

int RegisterListSource::placeBefore(const StoredRecord& row) {
    if (const int index = indexOf(row.position); index >= 0) return index;
    const auto old = std::find_if(before_.begin(), before_.end(),
                                  [&](const RegisterRow& r) { return r.position == row.position; });
    if (old == before_.end()) return 0;  // unknown: nothing before it
    for (auto it = old; it != before_.begin();)
        if (const int index = indexOf((--it)->position); index >= 0) return index + 1;
    return 0;
}

std::optional<StoredRecord> RegisterListSource::readAt(qint64 position) {
    ReadRequest request;
    request.after = StoredRecord{position - 1, {}};
    request.limit = 1;
    std::vector<StoredRecord> rows = certificates_.read(request);
    if (rows.empty() || rows.front().position != position) return std::nullopt;
    return std::move(rows.front());
}

std::vector<StoredRecord> RegisterListSource::read(int first, int end) {
    std::vector<StoredRecord> result;
    for (int i = std::max(first, 0); i < std::min<int>(end, rows_.size()); ++i)
        if (std::optional<StoredRecord> row = readAt(rows_[i].position))
            result.push_back(std::move(*row));
    return result;
}

std::vector<StoredRecord> RegisterListSource::next(const StoredRecord* row, int count) {
    update();
    const int first = row ? placeAfter(*row) : 0;
    return read(first, first + count);
}

std::vector<StoredRecord> RegisterListSource::prior(const StoredRecord* row, int count) {
    update();
    const int end = row ? placeBefore(*row) : static_cast<int>(rows_.size());
    return read(end - count, end);
}

int RegisterListSource::locatorField() const {
    return numberOrder_ ? FR3::NFORM : -1;
}

std::vector<StoredRecord> RegisterListSource::from(const QVariant& value, int count) {
    update();
    if (!numberOrder_) return read(0, count);
    const qint64 number = value.toLongLong();
    const auto at = std::lower_bound(rows_.begin(), rows_.end(), number,
                                     [](const RegisterRow& r, qint64 n) { return r.number < n; });
    const int first = static_cast<int>(at - rows_.begin());
    return read(first, first + count);
}

std::optional<StoredRecord> RegisterListSource::find(qint64 position) {
    update();
    if (indexOf(position) < 0) return std::nullopt;
    return readAt(position);
}

double RegisterListSource::fractionOf(const StoredRecord& row) {
    update();
    const int index = indexOf(row.position);
    if (index < 0 || rows_.size() < 2) return 0;
    return static_cast<double>(index) / static_cast<double>(rows_.size() - 1);
}

std::optional<StoredRecord> RegisterListSource::rowNear(double fraction) {
    update();
    if (rows_.empty()) return std::nullopt;
    const auto index = std::lround(std::clamp(fraction, 0.0, 1.0) * double(rows_.size() - 1));
    return readAt(rows_[index].position);
}
