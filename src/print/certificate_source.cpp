#include "print/certificate_source.h"

#include <algorithm>

#include "data/forma3.h"

namespace {

constexpr int kPageSize = 50;

Expression compileFilter(qint64 number) {
    ExpressionContext context;
    context.addLayout(FR3::layout());
    context.bind(QStringLiteral("nform"), [number] { return QVariant(number); });
    // The text is ours and fixed: it always compiles.
    return std::get<Expression>(
        Expression::compile(QString::fromLatin1(CertificateSource::kFilter), context));
}

}  // namespace

CertificateSource::CertificateSource(TableAccess& certificates, qint64 number,
                                     std::function<void()> preparePage)
    : certificates_(certificates),
      number_(number),
      preparePage_(std::move(preparePage)),
      filter_(compileFilter(number)) {}

std::vector<StoredRecord> CertificateSource::select() {
    std::vector<StoredRecord> selected;
    RecordBuffer record(FR3::layout());
    ReadRequest request;
    request.key = FR3::K2;
    request.from = QVariant(number_);
    request.limit = kPageSize;
    for (;;) {
        const auto page = certificates_.read(request);
        for (const StoredRecord& stored : page) {
            record.setImage(stored.image);
            // Past the number the key holds no more candidates.
            if (record.integer(FR3::NFORM) != number_) return inPermitOrder(selected);
            if (filter_.isTrue(&record)) selected.push_back(stored);
        }
        if (int(page.size()) < request.limit) return inPermitOrder(selected);
        request.from.reset();
        request.after = page.back();
    }
}

std::vector<StoredRecord> CertificateSource::inPermitOrder(
    std::vector<StoredRecord> records) const {
    const auto permit = [this](const StoredRecord& stored) {
        RecordBuffer record(FR3::layout());
        record.setImage(stored.image);
        // Blank (left out of FR3:K1) reads as empty text and comes first.
        return certificates_.keyValue(FR3::K1, record).toString();
    };
    std::stable_sort(
        records.begin(), records.end(),
        [&](const StoredRecord& a, const StoredRecord& b) { return permit(a) < permit(b); });
    return records;
}

int CertificateSource::fetch(int max, const std::function<void()>& printDetail) {
    if (!selected_) selected_ = select();
    int read = 0;
    for (; read < max && next_ < selected_->size(); ++read) {
        certificates_.load((*selected_)[next_++]);
        preparePage_();
        printDetail();
    }
    return read;
}

double CertificateSource::progress() const {
    if (!selected_) return 0;
    return selected_->empty() ? 1 : double(next_) / double(selected_->size());
}
