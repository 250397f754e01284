#pragma once

#include <QStringView>
#include <memory>
#include <vector>

#include "runtime/core/error_manager.h"
#include "runtime/storage/table_access.h"
#include "runtime/storage/table_def.h"
#include "runtime/storage/table_relation.h"

// The table objects of one window context: access and relation object for
// every table of the schema, made in the schema's order; every file still
// open is closed when the set goes.
class TableSet {
public:
    TableSet(const Schema& schema, ErrorManager& errors);
    ~TableSet();
    TableSet(const TableSet&) = delete;
    TableSet& operator=(const TableSet&) = delete;

    const Schema& schema() const { return schema_; }
    ErrorManager& errors() { return errors_; }
    TableAccess& access(QStringView label);
    TableRelation& relate(QStringView label);

private:
    const Schema& schema_;
    ErrorManager& errors_;
    std::vector<std::unique_ptr<TableAccess>> accesses_;
    std::vector<std::unique_ptr<TableRelation>> relations_;
};
