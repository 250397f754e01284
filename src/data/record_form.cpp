#include "data/record_form.h"

RecordForm::RecordForm(WindowContext& context, QStringView table, const QString& kind,
                       Request request)
    : context_(context),
      relation_(context.tables().relate(table)),
      kind_(kind),
      request_(request),
      opened_(relation_.open()) {}

RecordForm::~RecordForm() {
    if (opened_) relation_.close();
}

QString RecordForm::actionText() const {
    switch (request_) {
        case Request::Insert:
            return QStringLiteral("Добавить запись");
        case Request::Change:
            return QStringLiteral("Изменить запись");
        default:
            return {};
    }
}

bool RecordForm::remove() {
    return opened_ && position() != 0 && relation_.remove();
}

bool RecordForm::save() {
    refuse(-1, {});
    notices_.clear();
    if (!opened_) return false;
    // An insert whose number was reserved is already stored.
    const bool stored = request_ != Request::Insert || position() != 0;
    if (!(stored ? relation_.update() : relation_.insert())) return false;
    context_.history().remember(kind_, record());
    return true;
}

void RecordForm::cancel() {
    if (opened_ && request_ == Request::Insert && position() != 0) relation_.remove();
}

void RecordForm::refuse(int field, const QString& why) {
    refusedField_ = field;
    refusal_ = why;
}

void RecordForm::notify(const QString& title, const QString& text) {
    notices_.push_back({Severity::Notice, title, text});
}
