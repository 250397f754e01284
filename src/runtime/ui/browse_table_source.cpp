#include "runtime/ui/browse_table_source.h"

#include <algorithm>
#include <cmath>

#include "runtime/ui/browse_text_scale.h"

namespace {

// A filter may reject most rows: read on in growing chunks, so that a
// sparse filter costs few reads and a dense one reads little beyond the page.
constexpr int kMaxChunk = 4096;

}  // namespace

BrowseTableSource::BrowseTableSource(TableAccess& access, int key)
    : access_(access), key_(key), scratch_(*access.def().layout) {}

void BrowseTableSource::limitTo(const QVariant& value) {
    RecordBuffer record(*access_.def().layout);
    record.setValue(access_.def().keys[key_].field, value);
    range_ = access_.keyValue(key_, record);
    rangeValue_ = value;
    ends_.reset();
}

ReadRequest BrowseTableSource::request(const StoredRecord* row, bool backward) const {
    ReadRequest r;
    r.key = key_;
    r.backward = backward;
    if (row)
        r.after = *row;
    else if (range_)
        r.from = rangeValue_;
    return r;
}

std::vector<StoredRecord> BrowseTableSource::next(const StoredRecord* row, int count) {
    return collect(request(row, false), count, true);
}

std::vector<StoredRecord> BrowseTableSource::prior(const StoredRecord* row, int count) {
    return collect(request(row, true), count, true);
}

std::vector<StoredRecord> BrowseTableSource::collect(ReadRequest request, int count,
                                                     bool filtered) {
    std::vector<StoredRecord> rows;
    if (count <= 0 || (range_ && !range_->isValid())) return rows;
    const bool filtering = filtered && filter_;
    // One more than asked shows where a range ends without a further read.
    request.limit = count + (range_ ? 1 : 0);
    bool more = true;
    while (more && static_cast<int>(rows.size()) < count) {
        std::vector<StoredRecord> chunk = access_.read(request);
        more = static_cast<int>(chunk.size()) == request.limit;
        if (more) {
            // The mark is taken before the rows are moved out of the chunk.
            request.after = chunk.back();
            request.from.reset();
            request.limit = std::min(request.limit * 2, kMaxChunk);
        }
        for (StoredRecord& row : chunk) {
            if (range_ && !inRange(row)) {
                more = false;  // past the range: nothing further can belong
                break;
            }
            if (filtering && !accepts(row)) continue;
            rows.push_back(std::move(row));
            if (static_cast<int>(rows.size()) == count) break;
        }
    }
    if (request.backward) std::reverse(rows.begin(), rows.end());
    return rows;
}

const RecordBuffer& BrowseTableSource::decode(const StoredRecord& row) {
    scratch_.setImage(row.image);
    return scratch_;
}

bool BrowseTableSource::inRange(const StoredRecord& row) {
    return access_.keyValue(key_, decode(row)) == *range_;
}

bool BrowseTableSource::accepts(const StoredRecord& row) {
    return !filter_ || filter_(decode(row));
}

int BrowseTableSource::locatorField() const {
    return key_ < 0 || range_ ? -1 : access_.def().keys[key_].field;
}

std::vector<StoredRecord> BrowseTableSource::from(const QVariant& value, int count) {
    if (locatorField() < 0) return next(nullptr, count);
    ReadRequest r = request(nullptr, false);
    r.from = value;
    return collect(r, count, true);
}

std::optional<StoredRecord> BrowseTableSource::find(qint64 position) {
    ReadRequest r;
    r.after = StoredRecord{position - 1, {}};
    r.limit = 1;
    std::vector<StoredRecord> rows = access_.read(r);
    if (rows.empty() || rows.front().position != position) return std::nullopt;
    const StoredRecord& row = rows.front();
    if (key_ >= 0 && !access_.keyValue(key_, decode(row)).isValid()) return std::nullopt;
    if ((range_ && !inRange(row)) || !accepts(row)) return std::nullopt;
    return row;
}

bool BrowseTableSource::textKey() const {
    const int field = access_.def().keys[key_].field;
    return access_.def().layout->field(field).type == FieldType::String;
}

QVariant BrowseTableSource::keyOf(const StoredRecord& row) {
    return access_.keyValue(key_, decode(row));
}

const BrowseTableSource::Ends* BrowseTableSource::ends() {
    const qint64 stamp = changeStamp();
    if (ends_ && ends_->stamp == stamp) return &*ends_;
    ends_.reset();
    std::vector<StoredRecord> first = collect(request(nullptr, false), 1, false);
    std::vector<StoredRecord> last = collect(request(nullptr, true), 1, false);
    if (first.empty() || last.empty()) return nullptr;
    Ends e{stamp, std::move(first.front()), std::move(last.front())};
    if (!placesByPosition() && textKey()) e.text.emplace(keyOf(e.first), keyOf(e.last));
    e.low = place(e.first, e);
    e.high = place(e.last, e);
    ends_ = std::move(e);
    return &*ends_;
}

double BrowseTableSource::place(const StoredRecord& row, const Ends& ends) {
    if (placesByPosition()) return static_cast<double>(row.position);
    if (ends.text) return ends.text->place(keyOf(row));
    return keyOf(row).toDouble();
}

double BrowseTableSource::fractionOf(const StoredRecord& row) {
    const Ends* e = ends();
    if (!e || e->high <= e->low) return 0;
    return std::clamp((place(row, *e) - e->low) / (e->high - e->low), 0.0, 1.0);
}

std::optional<StoredRecord> BrowseTableSource::rowNear(double fraction) {
    const Ends* e = ends();
    if (!e) return std::nullopt;
    const double place = e->low + std::clamp(fraction, 0.0, 1.0) * (e->high - e->low);
    std::vector<StoredRecord> rows = rowsAtPlace(place, *e);
    // Past the last row the filter accepts: the last row there is.
    if (rows.empty()) rows = prior(nullptr, 1);
    if (rows.empty()) return std::nullopt;
    return std::move(rows.front());
}

std::vector<StoredRecord> BrowseTableSource::rowsAtPlace(double place, const Ends& ends) {
    if (placesByPosition()) {
        // Any record standing just before the place will do as a mark.
        StoredRecord mark = ends.first;
        mark.position = std::llround(place) - 1;
        return next(&mark, 1);
    }
    if (ends.text) return from(ends.text->text(place), 1);
    return from(static_cast<qint64>(std::llround(place)), 1);
}
