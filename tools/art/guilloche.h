#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// Engraving-like line work of official blanks: waves interlaced along a
// frame, and rosettes. Everything is drawn as thin antialiased strokes.
namespace Guilloche {

struct Waves {
    int strands;        // curves, evenly out of phase with each other
    double wavelength;  // along the path, in pixels; rounded so the waves close
    double amplitude;   // share of the band's half width, 0..1
    double overtone;    // weight of the third harmonic, 0 for a plain sine
    QColor colour;
    double penWidth;
};

// Waves running around a closed centre line, inside a band of the given half width.
void drawWaveBand(QPainter& painter, const QPainterPath& centreLine, double halfWidth,
                  const Waves& waves);

struct Ring {
    double radius;  // mean radius, pixels
    double depth;   // how far the lobes swing in and out, pixels
    int lobes;
    int strands;
};

// Closed wavy circles around one centre; strands are evenly out of phase.
void drawRing(QPainter& painter, QPointF centre, const Ring& ring, const QColor& colour,
              double penWidth);

}  // namespace Guilloche
