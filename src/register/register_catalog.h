#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "register/table_scan.h"
#include "runtime/expr/expression.h"

// The certificates as the register's orders need them, gathered in one pass
// over the table and kept until the table changes: every certificate's
// stored position and number, its search text, and whether the filter
// accepts it. A second search or a change of filter reads only what it
// lacks, and a search over unchanged data reads nothing at all.
class RegisterCatalog {
public:
    RegisterCatalog(TableAccess& certificates, ErrorManager& errors);

    // Brings the catalog up to date with the table in at most one pass: the
    // search texts when asked for, the filter's verdicts when a filter is
    // given. False after a failure, which has been reported.
    bool update(bool texts, const Expression* filter = nullptr);

    int size() const { return static_cast<int>(positions_.size()); }
    qint64 position(int i) const { return positions_[i]; }
    qint64 number(int i) const { return numbers_[i]; }
    // The search text, its fields without their padding; valid after
    // update(true).
    std::string_view text(int i) const;
    // True for every certificate while no filter was given.
    bool accepted(int i) const { return !filtered_ || verdicts_[i]; }
    // Certificates by number, then stored position; those numbered 0 first.
    const std::vector<int>& byNumber() const { return byNumber_; }

    // How many parts a pass is split into.
    int parts() const { return scan_.parts(); }
    // How many passes over the table have been made.
    int passes() const { return passes_; }

private:
    // The search texts of one part of a pass, one after another; kept as
    // the part gathered them, as joining the parts would copy them all.
    struct Texts {
        std::string pool;
        std::vector<quint32> ends;
    };
    struct Gathered;

    bool read(bool texts, const Expression* filter, Gathered& out);
    void take(Gathered&& gathered, bool texts, bool verdicts);
    void sortByNumber();

    TableAccess& certificates_;
    TableScan scan_;
    std::optional<qint64> version_;  // of the table, as last read
    bool hasTexts_ = false;
    std::optional<QString> verdictsOf_;  // the filter the verdicts belong to
    bool filtered_ = false;
    std::vector<qint64> positions_;
    std::vector<qint64> numbers_;
    std::vector<Texts> texts_;  // of the parts of the pass, in order
    std::vector<char> verdicts_;
    std::vector<int> byNumber_;
    int passes_ = 0;
};
