#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "runtime/ui/control_def.h"

// Window measures: one unit across is a quarter of the window font's average
// character width (the mean advance of the 52 Latin letters), one unit down
// an eighth of its character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& windowFont);
    DialogUnits(qreal charWidth, qreal charHeight);

    qreal charWidth() const { return charWidth_; }
    qreal charHeight() const { return charHeight_; }

    int x(int across) const;
    int y(int down) const;
    QSize size(int across, int down) const { return {x(across), y(down)}; }
    QSize size(QSize units) const { return size(units.width(), units.height()); }
    // AT(x, y, w, h) in pixels; a width or height of 0 takes naturalSize's.
    QRect rect(const At& at, QSize naturalSize = {}) const;

private:
    qreal charWidth_;
    qreal charHeight_;
};
