#include "runtime/storage/table_relation.h"

#include <algorithm>

#include "runtime/storage/cascade.h"
#include "runtime/storage/storage_error.h"
#include "runtime/storage/table_file.h"
#include "runtime/storage/table_set.h"

TableRelation::TableRelation(TableAccess& access, TableSet& set) : access_(access), set_(set) {}

bool TableRelation::open() {
    return access_.open();
}

void TableRelation::close() {
    access_.close();
    if (access_.isOpen()) return;
    for (TableAccess* related : related_)
        related->close();
    related_.clear();
}

bool TableRelation::insert() {
    return access_.insert();
}

bool TableRelation::fail(int result, const QString& where) {
    QString text = storageErrorText(result);
    if (!where.isEmpty() && where != access_.messageName())
        text += QStringLiteral(" (%1)").arg(where);
    set_.errors().report(ErrorCode::WriteError, access_.messageName(), text);
    return false;
}

bool TableRelation::reachesChildren(Rule rule, const RecordBuffer& stored) const {
    for (const RelationDef& relation : set_.schema().relations) {
        if (relation.parent != access_.label()) continue;
        if (rule == Rule::Update &&
            (!relation.cascadeUpdate || stored.rawField(relation.parentField) ==
                                            access_.record().rawField(relation.parentField)))
            continue;
        if (rule == Rule::Delete && !relation.cascadeDelete) continue;
        if (!linkKey(relation, stored, set_.access(relation.child).def()).isAbsent()) return true;
    }
    return false;
}

bool TableRelation::openRelated(Rule rule) {
    std::vector<QString> pending{access_.label()};
    std::vector<QString> seen = pending;
    while (!pending.empty()) {
        const QString parent = pending.back();
        pending.pop_back();
        for (const RelationDef& relation : set_.schema().relations) {
            const bool follows =
                rule == Rule::Update ? relation.cascadeUpdate : relation.cascadeDelete;
            if (relation.parent != parent || !follows ||
                std::find(seen.begin(), seen.end(), relation.child) != seen.end())
                continue;
            seen.push_back(relation.child);
            pending.push_back(relation.child);
            TableAccess& child = set_.access(relation.child);
            if (std::find(related_.begin(), related_.end(), &child) == related_.end()) {
                if (!child.open()) return false;
                related_.push_back(&child);
            }
            int rc = SQLITE_OK;
            if (!access_.file()->attach(child.def(), child.path(), child.isReadOnly(), rc))
                return fail(rc, child.messageName());
        }
    }
    return true;
}

bool TableRelation::update() {
    TableFile* file = access_.file();
    if (!file) return access_.update();
    RecordStore& store = file->records();
    QByteArray image;
    int rc = store.fetch(access_.position(), image);
    if (rc != SQLITE_OK) return fail(rc, {});
    RecordBuffer stored(*access_.def().layout);
    stored.setImage(image);
    if (!reachesChildren(Rule::Update, stored)) return access_.update();
    if (!openRelated(Rule::Update)) return false;
    rc = file->begin();
    if (rc != SQLITE_OK) return fail(rc, {});
    // What is stored once the file is locked decides.
    Cascade cascade(set_, *file);
    rc = store.fetch(access_.position(), image);
    if (rc == SQLITE_OK) {
        stored.setImage(image);
        rc = cascade.change(access_.def(), stored, access_.record());
    }
    if (rc == SQLITE_OK) rc = store.update(access_.position(), access_.record().image());
    if (rc != SQLITE_OK) {
        file->rollback();
        return fail(rc, cascade.failedTable());
    }
    rc = file->commit();
    return rc == SQLITE_OK || fail(rc, {});
}

bool TableRelation::remove() {
    TableFile* file = access_.file();
    if (!file) return access_.remove();
    RecordStore& store = file->records();
    StoredRecord record{access_.position(), {}};
    int rc = store.fetch(record.position, record.image);
    if (rc != SQLITE_OK) return fail(rc, {});
    RecordBuffer stored(*access_.def().layout);
    stored.setImage(record.image);
    if (!reachesChildren(Rule::Delete, stored)) return access_.remove();
    if (!openRelated(Rule::Delete)) return false;
    rc = file->begin();
    if (rc != SQLITE_OK) return fail(rc, {});
    Cascade cascade(set_, *file);
    rc = store.fetch(record.position, record.image);
    if (rc == SQLITE_OK) rc = cascade.remove(access_.def(), store, record);
    if (rc != SQLITE_OK) {
        file->rollback();
        return fail(rc, cascade.failedTable());
    }
    rc = file->commit();
    if (rc != SQLITE_OK) return fail(rc, {});
    access_.setPosition(0);
    return true;
}
