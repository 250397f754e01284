#pragma once

#include <QByteArray>
#include <QVariant>
#include <optional>

// A record as read from a file: its stored position (insertion order) and
// its image.
struct StoredRecord {
    qint64 position = 0;
    QByteArray image;
};

// One page of a read in key order or stored order.
struct ReadRequest {
    int key = -1;  // index into the table's keys; -1 reads in stored order
    bool backward = false;
    // Continue strictly after (before, when backward) this record: in key
    // order after its key value taken from its image, equal values in
    // stored order. After a record left out of the key a forward read
    // starts at the beginning and a backward one finds nothing.
    std::optional<StoredRecord> after;
    // Or start at the first record whose key value is >= this value
    // (<= when backward); ignored in stored order.
    std::optional<QVariant> from;
    int limit = 100;
};
