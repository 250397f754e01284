#include "art/guilloche.h"

#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Guilloche {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kSamplesPerWave = 28;

QPointF normalAt(const QPainterPath& path, double t) {
    // angleAtPercent counts counter-clockwise with y pointing up.
    const double angle = path.angleAtPercent(t) * std::numbers::pi / 180;
    return {std::sin(angle), std::cos(angle)};
}

double waveShape(double phase, double overtone) {
    return (std::sin(phase) + overtone * std::sin(3 * phase)) / (1 + overtone);
}

void strokeClosed(QPainter& painter, const QPolygonF& points, const QColor& colour,
                  double penWidth) {
    painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(points);
}

}  // namespace

void drawWaveBand(QPainter& painter, const QPainterPath& centreLine, double halfWidth,
                  const Waves& waves) {
    const int periods = std::max(1, int(std::lround(centreLine.length() / waves.wavelength)));
    const int samples = periods * kSamplesPerWave;
    for (int strand = 0; strand < waves.strands; ++strand) {
        const double shift = kTwoPi * strand / waves.strands;
        QPolygonF points;
        points.reserve(samples);
        for (int i = 0; i < samples; ++i) {
            const double t = double(i) / samples;
            const double offset = halfWidth * waves.amplitude *
                                  waveShape(kTwoPi * periods * t + shift, waves.overtone);
            points << centreLine.pointAtPercent(t) + normalAt(centreLine, t) * offset;
        }
        strokeClosed(painter, points, waves.colour, waves.penWidth);
    }
}

void drawRing(QPainter& painter, QPointF centre, const Ring& ring, const QColor& colour,
              double penWidth) {
    const int samples = std::max(90, ring.lobes * kSamplesPerWave);
    for (int strand = 0; strand < ring.strands; ++strand) {
        const double shift = kTwoPi * strand / ring.strands;
        QPolygonF points;
        points.reserve(samples);
        for (int i = 0; i < samples; ++i) {
            const double angle = kTwoPi * i / samples;
            const double radius = ring.radius + ring.depth * std::sin(ring.lobes * angle + shift);
            points << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        }
        strokeClosed(painter, points, colour, penWidth);
    }
}

}  // namespace Guilloche
