#pragma once

#include <QByteArray>
#include <deque>
#include <optional>
#include <vector>

#include "reports/failure_watch.h"
#include "runtime/expr/expression.h"
#include "runtime/report/record_source.h"
#include "runtime/storage/table_access.h"

// The certificates a list report prints, in issue-date and number order
// ("+FR3:datav,+FR3:Nform"): those its filter selects, all without one.
//
// Told the dates the filter keeps to, it reads only that stretch of the date
// key and sorts each day's certificates by number as the day ends. The key
// leaves out certificates without a date, so when the stretch takes in day 0,
// or nothing is known of the dates, it reads the whole table in stored order,
// notes date, number and place of each certificate selected, sorts them and
// reads them again in that order.
//
// The table must be open. Its record buffer holds each certificate while the
// detail band prints.
class CertificateOrder : public RecordSource {
public:
    struct DateRange {
        qint32 first;  // day numbers, both included
        qint32 last;
    };

    CertificateOrder(TableAccess& forma3, const FailureWatch& watch,
                     std::optional<Expression> filter, std::optional<DateRange> range);

    int fetch(int max, const std::function<void()>& printDetail) override;
    double progress() const override;

    // Whether only the stretch of the date key is read.
    bool readsDateKey() const { return byKey_; }

private:
    struct Entry {
        qint32 date;
        qint64 number;
        qint64 position;
        QByteArray image;  // empty: read again by position
    };

    void begin();
    int read(int max);
    bool readPage();
    bool consider(const StoredRecord& stored);
    bool selects(const RecordBuffer& certificate) const;
    void closeDay();
    void finishReading();
    int printReady(int max, const std::function<void()>& printDetail);
    bool load(const Entry& entry);
    double keyProgress() const;
    double scanProgress() const;

    TableAccess& forma3_;
    const FailureWatch& watch_;
    std::optional<Expression> filter_;
    std::optional<DateRange> range_;
    bool byKey_;

    bool begun_ = false;
    bool readingDone_ = false;
    std::vector<StoredRecord> page_;
    size_t next_ = 0;

    std::vector<Entry> day_;       // the day being read from the key
    std::vector<Entry> selected_;  // everything selected by a stored-order read
    std::deque<Entry> ready_;      // in the report's order

    // For the progress: the key's stretch as days, the table as records.
    qint32 firstDay_ = 0;
    qint32 endDay_ = 0;
    qint32 lastDay_ = 0;
    qint64 total_ = 0;
    qint64 read_ = 0;
    qint64 printed_ = 0;
    mutable double shown_ = 0;
};
