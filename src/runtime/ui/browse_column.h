#pragma once

#include <QColor>
#include <QString>
#include <QVariant>
#include <functional>

#include "runtime/core/record_buffer.h"

// One column of a browse list, as the windows describe it. Measures are
// dialog units.
struct BrowseColumn {
    QString head;
    Qt::Alignment headAlignment = Qt::AlignLeft;
    int headIndent = 0;  // from the edge the head is aligned to
    int field = -1;      // the record's field shown, unless value is given
    std::function<QVariant(const RecordBuffer&)> value;
    QString picture;  // display picture: "n_9b", "d6.b", "s25"; blank shows the value as is
    int width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    int indent = 0;  // from the edge the cell text is aligned to
    std::function<QString(const RecordBuffer&)> tooltip;
    bool bold = false;  // list style 1: the list's font, bold
};

// Colours of one row; an invalid colour leaves the list's default.
struct BrowseRowColors {
    QColor fill;
    QColor text;
};

// Colours of a row by its index in the loaded page.
using BrowseRowColoring = std::function<BrowseRowColors(int row, const RecordBuffer& record)>;
