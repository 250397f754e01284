#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "runtime/expr/expression.h"
#include "runtime/report/record_source.h"
#include "runtime/storage/table_access.h"

// The certificates a print selects: those passing the filter
// "nform=FR3:Nform", with nform bound to the number the print started with,
// in FR3:NLIC order. They are reached through FR3:K2 from that number, since
// FR3:K1 leaves out the usual certificate without a permit number. Number 0
// selects nothing: the form never saves it and the key leaves zero out. Each
// selected certificate is loaded into the table's buffer and prepared (the
// page placed from the profile) before its page is printed.
class CertificateSource : public RecordSource {
public:
    static constexpr const char* kFilter = "nform=FR3:Nform";

    CertificateSource(TableAccess& certificates, qint64 number, std::function<void()> preparePage);

    int fetch(int max, const std::function<void()>& printDetail) override;
    double progress() const override;

private:
    std::vector<StoredRecord> select();
    std::vector<StoredRecord> inPermitOrder(std::vector<StoredRecord> records) const;

    TableAccess& certificates_;
    qint64 number_;
    std::function<void()> preparePage_;
    Expression filter_;
    std::optional<std::vector<StoredRecord>> selected_;
    size_t next_ = 0;
};
