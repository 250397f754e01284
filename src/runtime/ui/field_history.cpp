#include "runtime/ui/field_history.h"

void FieldHistory::remember(const QString& form, const RecordBuffer& saved) {
    records_.insert(form, std::make_shared<RecordBuffer>(saved));
}

const RecordBuffer& FieldHistory::last(const QString& form, const RecordLayout& layout) {
    auto& record = records_[form];
    if (!record || &record->layout() != &layout) record = std::make_shared<RecordBuffer>(layout);
    return *record;
}
