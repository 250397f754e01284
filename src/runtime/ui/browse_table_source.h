#pragma once

#include <functional>
#include <optional>

#include "runtime/core/record_buffer.h"
#include "runtime/storage/table_access.h"
#include "runtime/ui/browse_source.h"
#include "runtime/ui/browse_text_scale.h"

// The rows of one table in the order of one of its keys, or in stored order,
// read page by page through the table's access object. A range keeps only
// the rows whose key value equals one value; a filter keeps the rows it
// accepts, and pages are read on until they are full.
class BrowseTableSource : public BrowseSource {
public:
    using Filter = std::function<bool(const RecordBuffer&)>;

    // key: index into the table's keys; -1 for stored order.
    BrowseTableSource(TableAccess& access, int key);

    // Key order only. A blank or zero value matches no row, as such rows are
    // not in the key.
    void limitTo(const QVariant& value);
    void setFilter(Filter filter) { filter_ = std::move(filter); }

    std::vector<StoredRecord> next(const StoredRecord* row, int count) override;
    std::vector<StoredRecord> prior(const StoredRecord* row, int count) override;
    // The key field in key order without a range.
    int locatorField() const override;
    std::vector<StoredRecord> from(const QVariant& value, int count) override;
    std::optional<StoredRecord> find(qint64 position) override;
    double fractionOf(const StoredRecord& row) override;
    std::optional<StoredRecord> rowNear(double fraction) override;
    qint64 changeStamp() override { return access_.dataVersion(); }

private:
    // The first and last row of the order, filter aside, as of one stamp,
    // and the line the estimates place rows on between them.
    struct Ends {
        qint64 stamp = 0;
        StoredRecord first;
        StoredRecord last;
        std::optional<BrowseTextScale> text;  // text keys
        double low = 0;
        double high = 0;
    };

    ReadRequest request(const StoredRecord* row, bool backward) const;
    std::vector<StoredRecord> collect(ReadRequest request, int count, bool filtered);
    bool inRange(const StoredRecord& row);
    bool accepts(const StoredRecord& row);
    const RecordBuffer& decode(const StoredRecord& row);

    const Ends* ends();
    // Rows stand on the line by stored position where the key does not tell
    // them apart, else by key value.
    bool placesByPosition() const { return key_ < 0 || range_.has_value(); }
    bool textKey() const;
    QVariant keyOf(const StoredRecord& row);
    double place(const StoredRecord& row, const Ends& ends);
    std::vector<StoredRecord> rowsAtPlace(double place, const Ends& ends);

    TableAccess& access_;
    int key_;
    std::optional<QVariant> range_;  // the value as the key holds it
    QVariant rangeValue_;            // the value as given, for reads
    Filter filter_;
    RecordBuffer scratch_;
    std::optional<Ends> ends_;
};
