#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "runtime/core/error_manager.h"
#include "runtime/core/record_buffer.h"
#include "runtime/storage/stored_record.h"
#include "runtime/storage/table_def.h"

class TableFile;

// The access object of one table in one window context: its record buffer,
// its file and its keys. Failures are reported through the context's error
// manager and answered false.
class TableAccess {
public:
    TableAccess(const TableDef& def, ErrorManager& errors);
    ~TableAccess();
    TableAccess(const TableAccess&) = delete;
    TableAccess& operator=(const TableAccess&) = delete;

    const TableDef& def() const { return def_; }
    const QString& label() const { return def_.layout->label(); }
    RecordBuffer& record() { return record_; }
    const RecordBuffer& record() const { return record_; }

    // Counted: the file opens (created when missing) on the first open and
    // closes when the last open is undone. False after a fatal error.
    bool open();
    void close();
    bool isOpen() const { return openCount_ > 0; }
    int openCount() const { return openCount_; }
    bool isReadOnly() const;
    // The file's path and its name in messages, as of the open.
    const QString& path() const { return path_; }
    const QString& messageName() const { return messageName_; }

    // Clear the buffer and set the start values.
    void prime();
    // Prime and reserve the next number of the auto-numbered key by adding
    // the record at once. False when the user gave up numbering.
    bool primeAutoNumber();

    // Add the buffer as a new record; position() then names it.
    bool insert();
    // Runs work as one transaction: its changes are all kept, or none when
    // work answers false or the commit fails. Transactions nest.
    bool transaction(const std::function<bool()>& work);
    // Write the buffer back over the record at position(); no relation rules.
    bool update();
    // Delete the record at position(); no relation rules.
    bool remove();

    // Stored position of the record in the buffer; 0 when none.
    qint64 position() const { return position_; }
    void setPosition(qint64 position) { position_ = position; }

    // False without a message when there is no such record.
    bool fetch(qint64 position);
    // The first record in key order whose key value equals value (text as
    // QString, compared folded like the key); false without a message when
    // there is none.
    bool fetchKey(int key, const QVariant& value);
    // -1 after a reported failure.
    qint64 count();
    // One page in reading order: backward pages come last record first.
    // Records left out of the key never appear in key order. Empty after a
    // reported failure.
    std::vector<StoredRecord> read(const ReadRequest& request);
    // Loads a record read by read() into the buffer.
    void load(const StoredRecord& stored);
    // Changes whenever any connection has changed the file.
    qint64 dataVersion();

    // Checks the file and rebuilds damaged keys; false when the file is
    // damaged beyond that. Used by the check command.
    bool checkIntegrity();

    // The key value of a record as it is stored in the key: text folded and
    // clipped, numbers as RecordBuffer::value gives them; an invalid QVariant
    // when the record is not in the key.
    QVariant keyValue(int key, const RecordBuffer& record) const;

    TableFile* file() { return file_.get(); }  // for the relation object

private:
    // Reports the failure and answers false.
    bool fail(ErrorCode code, int result);
    // Runs a read; a damaged index it meets is rebuilt as on opening, and the
    // read tried once more. A record not found is no failure.
    int readThroughKeys(const std::function<int()>& read);
    int reserveNext(int key);

    const TableDef& def_;
    ErrorManager& errors_;
    RecordBuffer record_;
    std::unique_ptr<TableFile> file_;
    int openCount_ = 0;
    qint64 position_ = 0;
    QString path_;
    QString messageName_;
};
