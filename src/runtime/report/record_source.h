#pragma once

#include <functional>

// The records a report pass reads: a view over a table in its order, with
// its filter. Domain code implements it over its tables.
class RecordSource {
public:
    virtual ~RecordSource() = default;

    // Reads up to max records in order. For every record that passes the
    // filter, makes its values current (and may move or restyle controls of
    // the layout) and then calls printDetail once. Returns how many records
    // were read: 0 at the end, a negative number when reading failed (the
    // source has shown its message).
    virtual int fetch(int max, const std::function<void()>& printDetail) = 0;

    // How far the pass has come in the view's order, 0 to 1.
    virtual double progress() const = 0;
};
