#include "reports/certificate_order.h"

#include <algorithm>

#include "data/forma3.h"

namespace {

// Records per read from the table: a page costs one query, and a batch of
// the report pass takes a few of them.
constexpr int kPageSize = 64;

}  // namespace

CertificateOrder::CertificateOrder(TableAccess& forma3, const FailureWatch& watch,
                                   std::optional<Expression> filter, std::optional<DateRange> range)
    : forma3_(forma3),
      watch_(watch),
      filter_(std::move(filter)),
      range_(range),
      byKey_(range && range->first > 0) {}

int CertificateOrder::fetch(int max, const std::function<void()>& printDetail) {
    if (!begun_) begin();
    int handled = 0;
    while (handled == 0 && !watch_.failed()) {
        if (!ready_.empty())
            handled = printReady(max, printDetail);
        else if (readingDone_)
            break;
        else
            handled = read(max);
    }
    return watch_.failed() ? -1 : handled;
}

void CertificateOrder::begin() {
    begun_ = true;
    if (!byKey_) {
        total_ = forma3_.count();
        return;
    }
    ReadRequest last;
    last.key = FR3::K3;
    last.backward = true;
    last.limit = 1;
    const auto latest = forma3_.read(last);
    if (latest.empty()) return;
    forma3_.load(latest.front());
    endDay_ = std::min(range_->last, qint32(forma3_.record().integer(FR3::DATAV)));
}

// Hands over the records read; 0 only once reading has finished.
int CertificateOrder::read(int max) {
    int count = 0;
    while (count < max) {
        if (next_ == page_.size() && !readPage()) break;
        if (!consider(page_[next_])) break;
        ++next_;
        ++count;
    }
    if (count < max) finishReading();
    return count;
}

bool CertificateOrder::readPage() {
    ReadRequest request;
    request.key = byKey_ ? FR3::K3 : -1;
    request.limit = kPageSize;
    if (!page_.empty())
        request.after = page_.back();
    else if (byKey_)
        request.from = QVariant(range_->first);
    page_ = forma3_.read(request);
    next_ = 0;
    return !page_.empty();
}

// False for the first certificate beyond the key's stretch.
bool CertificateOrder::consider(const StoredRecord& stored) {
    forma3_.load(stored);
    const RecordBuffer& certificate = forma3_.record();
    const auto day = qint32(certificate.integer(FR3::DATAV));
    if (byKey_) {
        if (day > range_->last) return false;
        if (read_ == 0) firstDay_ = day;
        if (day != lastDay_) closeDay();
        lastDay_ = day;
    }
    ++read_;
    if (!selects(certificate)) return true;
    Entry entry{day, certificate.integer(FR3::NFORM), stored.position,
                byKey_ ? stored.image : QByteArray()};
    (byKey_ ? day_ : selected_).push_back(std::move(entry));
    return true;
}

bool CertificateOrder::selects(const RecordBuffer& certificate) const {
    return !filter_ || filter_->isTrue(&certificate);
}

// Certificates of one day come from the key in stored order.
void CertificateOrder::closeDay() {
    std::stable_sort(day_.begin(), day_.end(),
                     [](const Entry& a, const Entry& b) { return a.number < b.number; });
    std::move(day_.begin(), day_.end(), std::back_inserter(ready_));
    day_.clear();
}

void CertificateOrder::finishReading() {
    readingDone_ = true;
    page_.clear();
    if (byKey_) {
        closeDay();
        return;
    }
    std::stable_sort(selected_.begin(), selected_.end(), [](const Entry& a, const Entry& b) {
        return a.date != b.date ? a.date < b.date : a.number < b.number;
    });
    std::move(selected_.begin(), selected_.end(), std::back_inserter(ready_));
    selected_ = {};
}

int CertificateOrder::printReady(int max, const std::function<void()>& printDetail) {
    int handled = 0;
    while (handled < max && !ready_.empty()) {
        const Entry entry = std::move(ready_.front());
        ready_.pop_front();
        ++handled;
        ++printed_;
        if (load(entry)) printDetail();
    }
    return handled;
}

bool CertificateOrder::load(const Entry& entry) {
    if (!entry.image.isEmpty()) {
        forma3_.load({entry.position, entry.image});
        return true;
    }
    // Changed or deleted since it was selected: printed as it is now, while
    // it still passes the filter.
    return forma3_.fetch(entry.position) && selects(forma3_.record());
}

double CertificateOrder::progress() const {
    if (readingDone_ && ready_.empty()) return 1;
    const double now = byKey_ ? keyProgress() : scanProgress();
    shown_ = std::max(shown_, std::min(now, 1.0));
    return shown_;
}

// The days of the stretch that hold certificates, as far as they are read.
double CertificateOrder::keyProgress() const {
    if (read_ == 0 || endDay_ < firstDay_) return 0;
    return double(lastDay_ - firstDay_ + 1) / double(endDay_ - firstDay_ + 1);
}

// Records read and printed, of the table's records and those expected to be
// selected at the rate seen so far.
double CertificateOrder::scanProgress() const {
    if (total_ <= 0) return 0;
    const double expected = readingDone_ ? double(printed_ + qint64(ready_.size()))
                            : read_ > 0  ? double(selected_.size()) * double(total_) / double(read_)
                                         : 0;
    return double(read_ + printed_) / (double(total_) + expected);
}
