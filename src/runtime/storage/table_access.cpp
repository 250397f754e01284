#include "runtime/storage/table_access.h"

#include "runtime/storage/key_column.h"
#include "runtime/storage/storage_error.h"
#include "runtime/storage/table_file.h"

namespace {
constexpr int kNumberingAttempts = 3;
}

TableAccess::TableAccess(const TableDef& def, ErrorManager& errors)
    : def_(def), errors_(errors), record_(*def.layout) {}

TableAccess::~TableAccess() = default;

bool TableAccess::open() {
    if (openCount_ > 0) {
        ++openCount_;
        return true;
    }
    path_ = def_.path ? def_.path() : QString();
    messageName_ = def_.messageName ? def_.messageName() : path_;
    if (path_.trimmed().isEmpty()) {
        errors_.show({Severity::Fatal, def_.noPathTitle, def_.noPathText});
        return false;
    }
    file_ = TableFile::open(def_, path_, messageName_, errors_);
    if (!file_) return false;
    openCount_ = 1;
    return true;
}

void TableAccess::close() {
    if (openCount_ == 0) return;
    if (--openCount_ == 0) file_.reset();
}

bool TableAccess::isReadOnly() const {
    return file_ && file_->isReadOnly();
}

bool TableAccess::fail(ErrorCode code, int result) {
    errors_.report(code, messageName_, storageErrorText(result));
    return false;
}

void TableAccess::prime() {
    record_.clear();
    if (def_.startValues) def_.startValues(record_);
    position_ = 0;
}

bool TableAccess::primeAutoNumber() {
    int key = 0;
    while (key < static_cast<int>(def_.keys.size()) && !def_.keys[key].autoNumber)
        ++key;
    if (key == static_cast<int>(def_.keys.size())) {
        prime();
        return true;
    }
    if (!file_) return fail(ErrorCode::InsertError, SQLITE_MISUSE);
    for (int failures = 0;;) {
        const int rc = reserveNext(key);
        if (rc == SQLITE_OK) return true;
        if (++failures < kNumberingAttempts) continue;
        if (!errors_.report(ErrorCode::AutoIncError, messageName_, storageErrorText(rc),
                            def_.keys[key].description))
            return false;
        failures = 0;
    }
}

// Highest number + 1, added at once in one transaction, so that two
// stations numbering at the same moment cannot take the same number.
int TableAccess::reserveNext(int key) {
    prime();
    int rc = file_->begin();
    if (rc != SQLITE_OK) return rc;
    qint64 highest = 0;
    rc = file_->records().highest(key, highest);
    if (rc == SQLITE_OK && record_.setScaled(def_.keys[key].field, highest + 1) != SetResult::Ok)
        rc = SQLITE_RANGE;
    qint64 position = 0;
    if (rc == SQLITE_OK) rc = file_->records().insert(record_.image(), position);
    if (rc != SQLITE_OK) {
        file_->rollback();
        return rc;
    }
    rc = file_->commit();
    if (rc == SQLITE_OK) position_ = position;
    return rc;
}

bool TableAccess::insert() {
    if (!file_) return fail(ErrorCode::InsertError, SQLITE_MISUSE);
    qint64 position = 0;
    const int rc = file_->records().insert(record_.image(), position);
    if (rc != SQLITE_OK) return fail(ErrorCode::InsertError, rc);
    position_ = position;
    return true;
}

bool TableAccess::transaction(const std::function<bool()>& work) {
    if (!file_) return fail(ErrorCode::WriteError, SQLITE_MISUSE);
    int rc = file_->begin();
    if (rc != SQLITE_OK) return fail(ErrorCode::WriteError, rc);
    if (!work()) {
        file_->rollback();
        return false;
    }
    rc = file_->commit();
    return rc == SQLITE_OK || fail(ErrorCode::WriteError, rc);
}

bool TableAccess::update() {
    if (!file_) return fail(ErrorCode::WriteError, SQLITE_MISUSE);
    const int rc = file_->records().update(position_, record_.image());
    return rc == SQLITE_OK || fail(ErrorCode::WriteError, rc);
}

bool TableAccess::remove() {
    if (!file_) return fail(ErrorCode::WriteError, SQLITE_MISUSE);
    const int rc = file_->records().remove(position_);
    if (rc != SQLITE_OK) return fail(ErrorCode::WriteError, rc);
    position_ = 0;
    return true;
}

int TableAccess::readThroughKeys(const std::function<int()>& read) {
    if (!file_) {
        fail(ErrorCode::OpenError, SQLITE_MISUSE);
        return SQLITE_MISUSE;
    }
    int rc = read();
    if (rc == SQLITE_CORRUPT) {
        if (!file_->repairKeys()) return rc;
        rc = read();
    }
    if (rc != SQLITE_OK && rc != SQLITE_NOTFOUND) fail(ErrorCode::OpenError, rc);
    return rc;
}

bool TableAccess::fetch(qint64 position) {
    QByteArray image;
    if (readThroughKeys([&] { return file_->records().fetch(position, image); }) != SQLITE_OK)
        return false;
    record_.setImage(image);
    position_ = position;
    return true;
}

bool TableAccess::fetchKey(int key, const QVariant& value) {
    const KeyColumn column = keyColumn(*def_.layout, def_.keys[key].field, value);
    std::vector<StoredRecord> found;
    const int rc = readThroughKeys([&] {
        found.clear();
        return file_->records().withKey(key, column, 1, found);
    });
    if (rc != SQLITE_OK || found.empty()) return false;
    load(found.front());
    return true;
}

qint64 TableAccess::count() {
    qint64 records = -1;
    readThroughKeys([&] { return file_->records().count(records); });
    return records;
}

std::vector<StoredRecord> TableAccess::read(const ReadRequest& request) {
    std::vector<StoredRecord> page;
    const int rc = readThroughKeys([&] {
        page.clear();
        return file_->records().read(request, page);
    });
    if (rc != SQLITE_OK) page.clear();
    return page;
}

void TableAccess::load(const StoredRecord& stored) {
    record_.setImage(stored.image);
    position_ = stored.position;
}

qint64 TableAccess::dataVersion() {
    return file_ ? file_->dataVersion() : 0;
}

bool TableAccess::checkIntegrity() {
    if (!file_) return fail(ErrorCode::OpenError, SQLITE_MISUSE);
    return file_->checkIntegrity();
}

QVariant TableAccess::keyValue(int key, const RecordBuffer& record) const {
    const int field = def_.keys[key].field;
    return keyVariant(def_.layout->field(field), keyColumn(record, field));
}
