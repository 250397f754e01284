#include "art/tiles.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <functional>

namespace Tiles {

namespace {

constexpr int kSide = 14;

// Paints the motif at the tile and its eight neighbours, so strokes leaving
// one edge come back in at the opposite one and the tile repeats seamlessly.
QImage seamless(const QColor& background, const std::function<void(QPainter&)>& motif) {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int dx = -kSide; dx <= kSide; dx += kSide) {
        for (int dy = -kSide; dy <= kSide; dy += kSide) {
            painter.save();
            painter.translate(dx, dy);
            motif(painter);
            painter.restore();
        }
    }
    return image;
}

}  // namespace

QImage drawWindowTile() {
    return seamless(QColor(238, 235, 224), [](QPainter& painter) {
        painter.setPen(QPen(QColor(226, 221, 206), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(QPolygonF({{0, 7}, {7, 0}, {14, 7}, {7, 14}}));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(245, 243, 235));
        painter.drawEllipse(QPointF(7, 7), 1.6, 1.6);
    });
}

QImage drawDatabaseTile() {
    return seamless(QColor(231, 237, 241), [](QPainter& painter) {
        painter.setPen(QPen(QColor(219, 228, 235), 1.2));
        QPainterPath weave;
        weave.moveTo(0, 3.5);
        weave.cubicTo(3.5, 0.5, 3.5, 6.5, 7, 3.5);
        weave.cubicTo(10.5, 0.5, 10.5, 6.5, 14, 3.5);
        painter.drawPath(weave);
        painter.drawPath(weave.translated(0, 7));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(240, 244, 247));
        painter.drawEllipse(QPointF(3.5, 10.5), 1.2, 1.2);
        painter.drawEllipse(QPointF(10.5, 10.5), 1.2, 1.2);
    });
}

}  // namespace Tiles
