#include "runtime/ui/browse_locator.h"

namespace {

constexpr int kMaxDigits = 18;  // a qint64 holds any such number

}  // namespace

BrowseLocator::BrowseLocator(bool numeric, int interval) : numeric_(numeric), interval_(interval) {}

bool BrowseLocator::accepts(QChar c) const {
    if (numeric_) return c.isDigit() && typed_.size() < kMaxDigits;
    // A leading blank would find the first row whatever follows.
    return c.isPrint() && !(c.isSpace() && typed_.isEmpty());
}

std::optional<QVariant> BrowseLocator::type(QStringView text, qint64 msecs) {
    if (text.isEmpty()) return std::nullopt;
    if (msecs - lastKey_ > interval_) typed_.clear();
    const QString before = typed_;
    for (QChar c : text) {
        if (!accepts(c)) {
            typed_ = before;
            return std::nullopt;
        }
        typed_ += c;
    }
    lastKey_ = msecs;
    return value();
}

std::optional<QVariant> BrowseLocator::erase(qint64 msecs) {
    if (msecs - lastKey_ > interval_) typed_.clear();
    if (typed_.isEmpty()) return std::nullopt;
    typed_.chop(1);
    lastKey_ = msecs;
    if (typed_.isEmpty()) return std::nullopt;
    return value();
}

QVariant BrowseLocator::value() const {
    if (numeric_) return typed_.toLongLong();
    return typed_;
}
