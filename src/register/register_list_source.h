#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "register/register_orders.h"
#include "runtime/storage/table_access.h"
#include "runtime/ui/browse_source.h"

// The register's rows in an order computed over the whole table (the fuzzy
// order, or number order under a filter): the list of rows is made once and
// paged over, each page read by stored position, and made again when the
// table changes. Paging therefore costs the same however few rows the
// filter accepts.
class RegisterListSource : public BrowseSource {
public:
    using Rows = std::vector<RegisterRow>;
    using MakeRows = std::function<Rows()>;

    // numberOrder: the rows are in number order, and the locator searches
    // the number.
    RegisterListSource(TableAccess& certificates, MakeRows makeRows, bool numberOrder);

    // The rows as of the last change of the table.
    const Rows& rows();

    std::vector<StoredRecord> next(const StoredRecord* row, int count) override;
    std::vector<StoredRecord> prior(const StoredRecord* row, int count) override;
    int locatorField() const override;
    std::vector<StoredRecord> from(const QVariant& value, int count) override;
    std::optional<StoredRecord> find(qint64 position) override;
    double fractionOf(const StoredRecord& row) override;
    std::optional<StoredRecord> rowNear(double fraction) override;
    qint64 changeStamp() override { return certificates_.dataVersion(); }

private:
    // Makes the rows again when the table has changed.
    void update();
    int indexOf(qint64 position);
    // Where a row stands: the index after it, or before it. A row no longer
    // in the list (deleted, or changed beyond the filter) stands where the
    // rows around it in the list before the change stand.
    int placeAfter(const StoredRecord& row);
    int placeBefore(const StoredRecord& row);
    // The rows from first up to end, as stored now.
    std::vector<StoredRecord> read(int first, int end);
    std::optional<StoredRecord> readAt(qint64 position);

    TableAccess& certificates_;
    MakeRows makeRows_;
    bool numberOrder_;
    std::optional<qint64> stamp_;
    Rows rows_;
    Rows before_;                            // the rows before the last change
    std::unordered_map<qint64, int> index_;  // of rows_ by position, made when first asked
};
