#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "runtime/core/record_buffer.h"

// Certificates as CSV rows: every field of the record in record order, named
// without the prefix; dates as dd.mm.yyyy and numbers plain, both blank for
// 0; texts without trailing blanks.
namespace CertificateCsv {

QStringList header();
QStringList fields(const RecordBuffer& certificate);

// Maps the columns of an import file's header onto record fields. The
// header may name any subset of the fields in any order.
class Reader {
public:
    // Nothing, with the reason, when a column is unknown or named twice.
    static std::optional<Reader> fromHeader(const QStringList& header, QString* error);
    // Sets the named fields of a primed record; false with the field and the
    // reason when a value cannot be stored exactly.
    bool fill(const QStringList& values, RecordBuffer& certificate, QString* error) const;

private:
    std::vector<int> columns_;  // field index per column
};

}  // namespace CertificateCsv
