#pragma once

#include <QHash>
#include <QString>
#include <memory>

#include "runtime/core/record_buffer.h"

// The record last saved from each kind of record form ("UpdateBD",
// "Updateforma2"), kept for the history key (Ctrl+H). Until the first save
// a form's history record is blank.
class FieldHistory {
public:
    void remember(const QString& form, const RecordBuffer& saved);
    // The history record of the form, blank when nothing was saved yet.
    const RecordBuffer& last(const QString& form, const RecordLayout& layout);

private:
    QHash<QString, std::shared_ptr<RecordBuffer>> records_;
};
