#pragma once

#include <QString>
#include <QVariant>
#include <optional>

// The value a list's locator searches for, built from the keys typed in the
// list: keys typed in quick succession add to it, a key after a pause
// starts it anew. A number locator takes digits only.
class BrowseLocator {
public:
    // interval: the longest pause, in milliseconds, between keys of one value.
    BrowseLocator(bool numeric, int interval);

    // The value to locate after text was typed at msecs (any clock), or
    // nothing when the text is not for the locator.
    std::optional<QVariant> type(QStringView text, qint64 msecs);
    // Backspace: the value without its last character, or nothing when none
    // is left.
    std::optional<QVariant> erase(qint64 msecs);
    void clear() { typed_.clear(); }
    const QString& typed() const { return typed_; }

private:
    bool accepts(QChar c) const;
    QVariant value() const;

    bool numeric_;
    int interval_;
    QString typed_;
    qint64 lastKey_ = 0;
};
