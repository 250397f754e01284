#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "runtime/core/error_manager.h"
#include "runtime/storage/table_access.h"

// Reads every record of an open table once, in stored order, split by stored
// position into parts that are read at the same time, each on a connection
// of its own: a pass over a large table then takes the time of its largest
// part rather than of the whole.
class TableScan {
public:
    // The file `access` has open now, even when its table is later pointed
    // elsewhere (another data folder); failures are reported to errors.
    TableScan(TableAccess& access, ErrorManager& errors);
    ~TableScan();
    TableScan(const TableScan&) = delete;
    TableScan& operator=(const TableScan&) = delete;

    // How many parts a pass may be split into.
    int parts() const { return parts_; }

    using Visit = std::function<void(int part, const StoredRecord& record)>;
    // Calls visit for every record. Each part's records come in stored
    // order, and all of part p come before those of part p + 1. Parts run on
    // threads of their own, so visit must touch only what belongs to its
    // part. False when a read failed; the failure has been reported.
    bool run(const Visit& visit);

private:
    struct Part;

    // The span of stored positions, split into `count` ranges.
    std::vector<std::pair<qint64, qint64>> ranges(int count);
    Part* part(int index);
    bool readPart(Part& part, qint64 after, qint64 last, int index, const Visit& visit);

    TableAccess& access_;
    ErrorManager& errors_;
    TableDef def_;
    int parts_;
    std::vector<std::unique_ptr<Part>> connections_;  // opened on first use
};
