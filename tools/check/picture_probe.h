#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

// Looks for ink in a picture that a window or a page stretches into a box,
// at places given in the box's own units (dialog units, millimetres).
class PictureProbe {
public:
    PictureProbe(const QImage& picture, const QRectF& box);

    // A rectangle of units as whole pixels of the picture.
    QRect pixels(const QRectF& units) const;
    int inkIn(const QRectF& units) const;
    // Whether some pixel column (vertical) or row of the area is inked over
    // the given share of its length.
    bool hasRule(const QRectF& units, bool vertical, double cover) const;
    // The sides of the box ("left", "right", "top", "bottom") with no rule
    // outside them within the reach, covering the share of their length.
    QStringList sidesWithoutRule(const QRectF& box, QSizeF reach, double cover) const;

private:
    bool ink(int x, int y) const;

    QImage picture_;
    QRectF box_;
};
