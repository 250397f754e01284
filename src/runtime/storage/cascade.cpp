#include "runtime/storage/cascade.h"

#include "runtime/storage/table_file.h"
#include "runtime/storage/table_set.h"

KeyColumn linkKey(const RelationDef& relation, const RecordBuffer& parent, const TableDef& child) {
    RecordBuffer probe(*child.layout);
    probe.setValue(relation.childField, parent.value(relation.parentField));
    return keyColumn(probe, child.keys[relation.childKey].field);
}

int Cascade::noted(int result, const QString& label) {
    if (result != SQLITE_OK && failedTable_.isEmpty())
        failedTable_ = set_.access(label).messageName();
    return result;
}

int Cascade::findChildren(const RelationDef& relation, const RecordBuffer& parent,
                          RecordStore*& store, std::vector<StoredRecord>& found) {
    const KeyColumn link = linkKey(relation, parent, set_.access(relation.child).def());
    if (link.isAbsent()) return SQLITE_OK;
    // Not attached: the stored record changed after the related tables
    // were opened for it, so another station is at work on it.
    store = root_.attached(relation.child);
    if (!store) return noted(SQLITE_BUSY, relation.child);
    return noted(store->withKey(relation.childKey, link, -1, found), relation.child);
}

int Cascade::change(const TableDef& table, const RecordBuffer& before, const RecordBuffer& after) {
    for (const RelationDef& relation : set_.schema().relations) {
        if (relation.parent != table.layout->label() || !relation.cascadeUpdate) continue;
        if (before.rawField(relation.parentField) == after.rawField(relation.parentField)) continue;
        RecordStore* store = nullptr;
        std::vector<StoredRecord> children;
        int rc = findChildren(relation, before, store, children);
        for (const StoredRecord& stored : children) {
            if (rc != SQLITE_OK) break;
            RecordBuffer old(*store->def().layout);
            old.setImage(stored.image);
            RecordBuffer changed = old;
            changed.setValue(relation.childField, after.value(relation.parentField));
            rc = change(store->def(), old, changed);
            if (rc == SQLITE_OK)
                rc = noted(store->update(stored.position, changed.image()), relation.child);
        }
        if (rc != SQLITE_OK) return rc;
    }
    return SQLITE_OK;
}

int Cascade::remove(const TableDef& table, RecordStore& store, const StoredRecord& record) {
    RecordBuffer parent(*table.layout);
    parent.setImage(record.image);
    for (const RelationDef& relation : set_.schema().relations) {
        if (relation.parent != table.layout->label() || !relation.cascadeDelete) continue;
        RecordStore* childStore = nullptr;
        std::vector<StoredRecord> children;
        int rc = findChildren(relation, parent, childStore, children);
        for (const StoredRecord& child : children) {
            if (rc != SQLITE_OK) break;
            rc = remove(childStore->def(), *childStore, child);
        }
        if (rc != SQLITE_OK) return rc;
    }
    return noted(store.remove(record.position), table.layout->label());
}
