#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "runtime/core/error_manager.h"
#include "runtime/storage/table_access.h"
#include "runtime/ui/browse_source.h"
#include "support/temp_folder.h"

// Pieces the browse tests share.
namespace BrowseTest {

// A small table for the browse tests: numbered names in groups, with a key
// on each field.
namespace People {

enum Field : int { NUM, NAME, GRP };
enum Key : int { ByNum, ByName, ByGroup };

inline const RecordLayout& layout() {
    static const RecordLayout l(QStringLiteral("PEOPLE"), QStringLiteral("PPL"),
                                {{"NUM", FieldType::Decimal, 5},
                                 {"NAME", FieldType::String, 20},
                                 {"GRP", FieldType::Decimal, 2}});
    return l;
}

inline TableDef def(const QString& path) {
    return TableDef{&layout(),
                    {{QStringLiteral("PPL:K1"), NUM},
                     {QStringLiteral("PPL:K2"), NAME},
                     {QStringLiteral("PPL:K3"), GRP}},
                    [path] { return path; },
                    [] { return QStringLiteral("PEOPLE"); },
                    {},
                    {},
                    {}};
}

}  // namespace People

// The people table in a fresh file, open.
class PeopleTable {
public:
    PeopleTable()
        : def_(People::def(folder_.file(QStringLiteral("people.dat")))), access_(def_, errors_) {
        access_.open();
    }

    TableAccess& access() { return access_; }
    const TableDef& def() const { return def_; }
    RecordingErrorManager& errors() { return errors_; }

    // Adds a record and answers its stored position.
    qint64 add(qint64 num, const QString& name = {}, qint64 group = 0) {
        access_.prime();
        access_.record().setInteger(People::NUM, num);
        access_.record().setText(People::NAME, name);
        access_.record().setInteger(People::GRP, group);
        access_.insert();
        return access_.position();
    }
    // Runs adds as one transaction, as a commit per record is slow.
    void batch(const std::function<void()>& adds) {
        access_.transaction([&] {
            adds();
            return true;
        });
    }
    // Numbers first..last, each named "N<number>".
    void addNumbers(qint64 first, qint64 last) {
        batch([&] {
            for (qint64 n = first; n <= last; ++n)
                add(n, QStringLiteral("N%1").arg(n));
        });
    }

private:
    TempFolder folder_;
    RecordingErrorManager errors_;
    TableDef def_;
    TableAccess access_;
};

// Numbers of the records in rows.
inline std::vector<qint64> numbersOf(const std::vector<StoredRecord>& rows) {
    std::vector<qint64> numbers;
    RecordBuffer record(People::layout());
    for (const StoredRecord& row : rows) {
        record.setImage(row.image);
        numbers.push_back(record.integer(People::NUM));
    }
    return numbers;
}

inline qint64 numberOf(const StoredRecord& row) {
    return numbersOf({row}).front();
}

// Passes a source on and counts the reads asked of it and the rows handed
// out.
class CountingSource : public BrowseSource {
public:
    explicit CountingSource(BrowseSource& inner) : inner_(inner) {}

    int reads = 0;
    int rows = 0;
    void reset() { reads = rows = 0; }

    std::vector<StoredRecord> next(const StoredRecord* row, int count) override {
        return counted(inner_.next(row, count));
    }
    std::vector<StoredRecord> prior(const StoredRecord* row, int count) override {
        return counted(inner_.prior(row, count));
    }
    int locatorField() const override { return inner_.locatorField(); }
    std::vector<StoredRecord> from(const QVariant& value, int count) override {
        return counted(inner_.from(value, count));
    }
    std::optional<StoredRecord> find(qint64 position) override {
        ++reads;
        ++rows;
        return inner_.find(position);
    }
    double fractionOf(const StoredRecord& row) override { return inner_.fractionOf(row); }
    std::optional<StoredRecord> rowNear(double fraction) override {
        ++reads;
        ++rows;
        return inner_.rowNear(fraction);
    }
    qint64 changeStamp() override { return inner_.changeStamp(); }

private:
    std::vector<StoredRecord> counted(std::vector<StoredRecord> page) {
        ++reads;
        rows += static_cast<int>(page.size());
        return page;
    }

    BrowseSource& inner_;
};

}  // namespace BrowseTest
