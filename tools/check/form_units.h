#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Dialog units of the certificate form's font (Arial 8): one across is a
// quarter of the mean width of the 52 Latin letters, one down an eighth of
// the character height.
struct FormUnits {
    QFont font;
    double across;  // pixels per unit
    double down;

    static FormUnits arial8();
    // A rectangle in units, relative to the given origin in units, as pixels.
    QRectF toPixels(const QRectF& units, QPointF origin = {}) const;
    // A rectangle in pixels as units.
    QRectF toUnits(const QRectF& pixels) const;
    // The inked part of a text control at the point, in units.
    QRectF inkOf(const QString& text, const QFont& font, QPointF at) const;
};
