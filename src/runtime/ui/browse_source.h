#pragma once

#include <QVariant>
#include <optional>
#include <vector>

#include "runtime/storage/stored_record.h"

// Where a browse list takes its rows from: one order over one table, read a
// page at a time. Rows come back in the order's direction, first row first.
class BrowseSource {
public:
    virtual ~BrowseSource() = default;

    // Up to count rows following row, or from the start when row is null.
    // The row need not exist any more: it only marks a place in the order.
    virtual std::vector<StoredRecord> next(const StoredRecord* row, int count) = 0;
    // Up to count rows preceding row, or up to the end when row is null.
    virtual std::vector<StoredRecord> prior(const StoredRecord* row, int count) = 0;

    // The field a locator searches, or -1 when the order has no locator.
    virtual int locatorField() const = 0;
    // Up to count rows from the first whose locator field is not less than
    // value.
    virtual std::vector<StoredRecord> from(const QVariant& value, int count) = 0;

    // The row stored at position, as it is now, when the order holds it.
    virtual std::optional<StoredRecord> find(qint64 position) = 0;

    // For the scroll bar: where a row stands, 0 at the first row and 1 at the
    // last, and a row standing near a fraction. Both are estimates.
    virtual double fractionOf(const StoredRecord& row) = 0;
    virtual std::optional<StoredRecord> rowNear(double fraction) = 0;

    // Changes whenever the rows may have changed.
    virtual qint64 changeStamp() = 0;
};
