#include "art/blank_paper.h"

#include <QPainterPath>
#include <QPen>
#include <cmath>

#include "art/guilloche.h"

namespace BlankPaper {

namespace {

const QColor kBandFill{247, 234, 230};
const QColor kWaveRose{196, 118, 128};
const QColor kWaveGreen{118, 148, 122};
const QColor kWatermark{242, 232, 226};

void strokeRect(QPainter& painter, const QRectF& rect, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const QRectF snapped(
        QPointF(snapToPixels(rect.left(), width), snapToPixels(rect.top(), width)),
        QPointF(snapToPixels(rect.right(), width), snapToPixels(rect.bottom(), width)));
    painter.drawRect(snapped);
}

void drawCornerRosette(QPainter& painter, QPointF centre, double radius, double scale) {
    painter.setPen(QPen(kFrameInk, 0.9 * scale));
    painter.setBrush(kField);
    painter.drawEllipse(centre, radius, radius);
    Guilloche::drawRing(painter, centre, {0.72 * radius, 0.2 * radius, 10, 3}, kWaveRose,
                        0.55 * scale);
    Guilloche::drawRing(painter, centre, {0.4 * radius, 0.14 * radius, 7, 2}, kWaveGreen,
                        0.5 * scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrameInk);
    painter.drawEllipse(centre, 0.08 * radius, 0.08 * radius);
}

}  // namespace

double snapToPixels(double value, double penWidth) {
    const bool odd = int(std::lround(penWidth)) % 2 == 1;
    return odd ? std::floor(value) + 0.5 : std::round(value);
}

void drawField(QPainter& painter, const QRectF& page, double scale) {
    painter.fillRect(QRectF(page.topLeft() * scale, page.size() * scale), kField);
}

void drawFrame(QPainter& painter, const Frame& frame, double scale) {
    const QRectF outer = frame.page.adjusted(frame.inset, frame.inset, -frame.inset, -frame.inset);
    const QRectF inner = outer.adjusted(frame.band, frame.band, -frame.band, -frame.band);
    const QRectF scaledOuter(outer.topLeft() * scale, outer.size() * scale);
    const QRectF scaledInner(inner.topLeft() * scale, inner.size() * scale);

    QPainterPath band;
    band.addRect(scaledOuter);
    band.addRect(scaledInner);
    painter.fillPath(band, kBandFill);

    const double half = frame.band * scale / 2;
    const QRectF middle = scaledOuter.adjusted(half, half, -half, -half);
    QPainterPath centreLine;
    centreLine.addRoundedRect(middle, half, half);
    Guilloche::drawWaveBand(painter, centreLine, half,
                            {4, 30 * scale, 0.86, 0.0, kWaveRose, 0.6 * scale});
    Guilloche::drawWaveBand(painter, centreLine, half,
                            {3, 11 * scale, 0.42, 0.35, kWaveGreen, 0.5 * scale});

    strokeRect(painter, scaledOuter, kFrameInk, 1.2 * scale);
    strokeRect(painter, scaledInner, kFrameInk, 1.0 * scale);
    const double gap = 3 * scale;
    strokeRect(painter, scaledInner.adjusted(gap, gap, -gap, -gap), kFrameInk, 0.6 * scale);

    for (const QPointF corner :
         {middle.topLeft(), middle.topRight(), middle.bottomLeft(), middle.bottomRight()}) {
        drawCornerRosette(painter, corner, half * 1.5, scale);
    }
}

void drawWatermark(QPainter& painter, QPointF centre, double radius, double scale) {
    const QPointF at = centre * scale;
    const double r = radius * scale;
    const double pen = 0.7 * scale;
    Guilloche::drawRing(painter, at, {0.92 * r, 0.07 * r, 36, 5}, kWatermark, pen);
    Guilloche::drawRing(painter, at, {0.66 * r, 0.12 * r, 24, 4}, kWatermark, pen);
    Guilloche::drawRing(painter, at, {0.38 * r, 0.1 * r, 16, 3}, kWatermark, pen);
}

}  // namespace BlankPaper
