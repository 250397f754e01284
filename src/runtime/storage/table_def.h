#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

#include "runtime/core/record_buffer.h"
#include "runtime/core/record_layout.h"

// A key: one field, ascending; text compared without regard to letter case
// (Latin and Cyrillic, Ё included) and trailing blanks; a record whose key
// field is blank or zero is left out of the key.
struct KeyDef {
    QString label;  // "FR3:K2"
    int field;
    bool unique = false;
    bool autoNumber = false;  // highest + 1 when a record is primed
    QString description;      // "По номеру свидетельства"
};

struct TableDef {
    const RecordLayout* layout;  // its label names the table: "FORMA3"
    std::vector<KeyDef> keys;
    // The path of the file, asked at the moment the file is opened; blank
    // when no file can be named (no data folder active).
    std::function<QString()> path;
    // The name in messages: the full file name, or "LAST" and the like.
    std::function<QString()> messageName;
    // Start values of a primed record, after the buffer has been cleared.
    std::function<void(RecordBuffer&)> startValues;
    // Records a newly created file starts with (none when unset).
    std::function<std::vector<QByteArray>()> initialRecords;
    // Shown, as a fatal message, when path() is blank.
    QString noPathTitle;
    QString noPathText;
};

// One-to-many: the child's link field holds the parent's link field.
struct RelationDef {
    QString parent;  // table labels
    QString child;
    int parentField;
    int childField;
    int childKey;  // index into the child's keys
    bool cascadeUpdate = true;
    bool cascadeDelete = true;
};

struct Schema {
    std::vector<TableDef> tables;  // in the order the table objects are made
    std::vector<RelationDef> relations;
};
