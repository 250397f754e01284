#include "art/icon_kit.h"

#include <QPainterPath>
#include <QPen>

namespace IconKit {

QImage blankCanvas() {
    QImage canvas(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

void startPainting(QPainter& painter, QImage& canvas) {
    painter.begin(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill,
                  const QColor& outline, double width) {
    painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

void document(QPainter& painter, const QRectF& page, bool withLines) {
    const double fold = page.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    fillOutlined(painter, sheet, kPaper);

    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    corner.closeSubpath();
    fillOutlined(painter, corner, kPaperShade);

    if (!withLines) return;
    painter.setPen(QPen(kTextLine, 1));
    for (double y = page.top() + fold + 3; y < page.bottom() - 2; y += 3) {
        painter.drawLine(QPointF(page.left() + 3, y), QPointF(page.right() - 3, y));
    }
}

void recordList(QPainter& painter, const QRectF& area) {
    QPainterPath frame;
    frame.addRect(area);
    fillOutlined(painter, frame, kPaper);
    const double row = 4;
    painter.fillRect(QRectF(area.left() + 0.5, area.top() + 0.5, area.width() - 1, row),
                     kBlue.lighter(150));
    painter.fillRect(QRectF(area.left() + 0.5, area.top() + 0.5 + 2 * row, area.width() - 1, row),
                     QColor(0, 208, 104));
    painter.setPen(QPen(kGreyLight, 1));
    for (double y = area.top() + row + 0.5; y < area.bottom() - 1; y += row) {
        painter.drawLine(QPointF(area.left() + 1, y), QPointF(area.right() - 1, y));
    }
    painter.drawLine(QPointF(area.left() + area.width() * 0.38, area.top() + 1),
                     QPointF(area.left() + area.width() * 0.38, area.bottom() - 1));
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

void badge(QPainter& painter, QPointF centre, double radius, const QColor& colour, Symbol symbol) {
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const double a = radius * 0.52;
    const QPointF x(a, 0);
    const QPointF y(0, a);
    switch (symbol) {
        case Symbol::Plus:
            painter.drawLine(centre - x, centre + x);
            painter.drawLine(centre - y, centre + y);
            break;
        case Symbol::Minus:
            painter.drawLine(centre - x, centre + x);
            break;
        case Symbol::Cross:
            painter.drawLine(centre - x - y, centre + x + y);
            painter.drawLine(centre - x + y, centre + x - y);
            break;
        case Symbol::Back:
            painter.drawLine(centre - x, centre + x);
            painter.drawPolyline(
                QPolygonF({centre - x * 0.1 - y * 0.9, centre - x, centre - x * 0.1 + y * 0.9}));
            break;
    }
}

void pencil(QPainter& painter, QPointF point, double length) {
    painter.save();
    painter.translate(point);
    painter.rotate(-45);
    const double w = 3;
    QPainterPath body;
    body.addRect(QRectF(6, -w, length - 9, 2 * w));
    fillOutlined(painter, body, kYellow);
    QPainterPath eraser;
    eraser.addRect(QRectF(length - 3, -w, 3, 2 * w));
    fillOutlined(painter, eraser, QColor(236, 140, 150));
    QPainterPath tip;
    tip.moveTo(0, 0);
    tip.lineTo(6, -w);
    tip.lineTo(6, w);
    tip.closeSubpath();
    fillOutlined(painter, tip, QColor(238, 210, 170));
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(2.2, -1.1);
    lead.lineTo(2.2, 1.1);
    lead.closeSubpath();
    fillOutlined(painter, lead, kOutline);
    painter.restore();
}

void triangle(QPainter& painter, QPointF apex, double width, double height, bool pointsUp) {
    const double dy = pointsUp ? height : -height;
    QPainterPath shape;
    shape.moveTo(apex);
    shape.lineTo(apex.x() + width / 2, apex.y() + dy);
    shape.lineTo(apex.x() - width / 2, apex.y() + dy);
    shape.closeSubpath();
    fillOutlined(painter, shape, kBlue, kBlueDark);
}

void magnifier(QPainter& painter, QPointF centre, double radius) {
    const QPointF handleStart = centre + QPointF(radius, radius) * 0.7;
    painter.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleStart + QPointF(radius, radius) * 0.75);
    painter.setPen(QPen(kBrown, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart + QPointF(1, 1), handleStart + QPointF(radius, radius) * 0.75);
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(QColor(200, 226, 250));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(centre - QPointF(radius, radius) * 0.6, QSizeF(radius, radius) * 1.2),
                    100 * 16, 70 * 16);
}

void funnel(QPainter& painter, const QRectF& area) {
    const double neck = area.width() * 0.14;
    const double cx = area.center().x();
    const double waist = area.top() + area.height() * 0.5;
    QPainterPath shape;
    shape.moveTo(area.topLeft());
    shape.lineTo(area.topRight());
    shape.lineTo(cx + neck, waist);
    shape.lineTo(cx + neck, area.bottom() - 2);
    shape.lineTo(cx - neck, area.bottom());
    shape.lineTo(cx - neck, waist);
    shape.closeSubpath();
    fillOutlined(painter, shape, kBlue.lighter(130), kBlueDark);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(QPointF(area.left() + 3, area.top() + 2.5),
                     QPointF(area.right() - 3, area.top() + 2.5));
}

void diskette(QPainter& painter, const QRectF& area) {
    QPainterPath body;
    const double cut = area.width() * 0.15;
    body.moveTo(area.topLeft());
    body.lineTo(area.right() - cut, area.top());
    body.lineTo(area.right(), area.top() + cut);
    body.lineTo(area.bottomRight());
    body.lineTo(area.bottomLeft());
    body.closeSubpath();
    fillOutlined(painter, body, kBlue, kBlueDark);
    const double w = area.width();
    const double h = area.height();
    QPainterPath shutter;
    shutter.addRect(QRectF(area.left() + w * 0.25, area.top(), w * 0.5, h * 0.34));
    fillOutlined(painter, shutter, kGreyLight, kBlueDark);
    painter.fillRect(QRectF(area.left() + w * 0.55, area.top() + h * 0.06, w * 0.12, h * 0.22),
                     kBlueDark);
    QPainterPath label;
    label.addRect(QRectF(area.left() + w * 0.16, area.top() + h * 0.52, w * 0.68, h * 0.48));
    fillOutlined(painter, label, kPaper, kBlueDark);
    painter.setPen(QPen(kTextLine, 1));
    painter.drawLine(QPointF(area.left() + w * 0.26, area.top() + h * 0.68),
                     QPointF(area.left() + w * 0.74, area.top() + h * 0.68));
    painter.drawLine(QPointF(area.left() + w * 0.26, area.top() + h * 0.84),
                     QPointF(area.left() + w * 0.74, area.top() + h * 0.84));
}

void folder(QPainter& painter, const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    QPainterPath back;
    back.moveTo(area.left(), area.top() + h * 0.15);
    back.lineTo(area.left() + w * 0.35, area.top() + h * 0.15);
    back.lineTo(area.left() + w * 0.45, area.top() + h * 0.3);
    back.lineTo(area.right(), area.top() + h * 0.3);
    back.lineTo(area.bottomRight());
    back.lineTo(area.bottomLeft());
    back.closeSubpath();
    fillOutlined(painter, back, kYellow.darker(115), kBrown);
    QPainterPath front;
    front.moveTo(area.left() + w * 0.12, area.top() + h * 0.45);
    front.lineTo(area.right() + w * 0.08, area.top() + h * 0.45);
    front.lineTo(area.right(), area.bottom());
    front.lineTo(area.left(), area.bottom());
    front.closeSubpath();
    fillOutlined(painter, front, kYellow, kBrown);
}

}  // namespace IconKit
