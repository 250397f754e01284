#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Places text key values on a line between the first and the last value of
// an order, for a scroll bar over a text key: the bytes after the common
// prefix of the two ends read as a number. Both ways are estimates that keep
// the order of the values.
class BrowseTextScale {
public:
    BrowseTextScale(const QVariant& first, const QVariant& last);

    double place(const QVariant& value) const;
    // A text standing at place, for a locator read.
    QString text(double place) const;

private:
    QByteArray prefix_;
};
