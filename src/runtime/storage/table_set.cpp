#include "runtime/storage/table_set.h"

TableSet::TableSet(const Schema& schema, ErrorManager& errors) : schema_(schema), errors_(errors) {
    for (const TableDef& def : schema.tables) {
        accesses_.push_back(std::make_unique<TableAccess>(def, errors));
        relations_.push_back(std::make_unique<TableRelation>(*accesses_.back(), *this));
    }
}

TableSet::~TableSet() {
    for (const auto& access : accesses_)
        while (access->isOpen())
            access->close();
}

TableAccess& TableSet::access(QStringView label) {
    return relate(label).access();
}

TableRelation& TableSet::relate(QStringView label) {
    for (std::size_t i = 0; i < accesses_.size(); ++i)
        if (accesses_[i]->label().compare(label, Qt::CaseInsensitive) == 0) return *relations_[i];
    qFatal("No table %s in the schema", qPrintable(label.toString()));
}
