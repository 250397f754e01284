#include "art/rulers.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace Rulers {

namespace {

const QColor kBackground{250, 248, 236};
const QColor kInk{70, 62, 52};
const QColor kEdge{150, 140, 120};

constexpr double kSheetHeightMm = 297;
constexpr double kSheetWidthMm = 210;

// Tick length by the kind of mark: millimetre, half centimetre, centimetre.
double tickLength(int mm, double full) {
    if (mm % 10 == 0) return full;
    if (mm % 5 == 0) return full * 0.65;
    return full * 0.35;
}

void startPainting(QPainter& painter, QImage& image, int fontPixels) {
    image.fill(kBackground);
    painter.begin(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(fontPixels);
    painter.setFont(font);
    painter.setPen(QPen(kInk, 1));
}

}  // namespace

QImage drawVertical() {
    QImage image(kVerticalSize, QImage::Format_RGB32);
    QPainter painter;
    startPainting(painter, image, 8);
    const double perMm = kVerticalSize.height() / kSheetHeightMm;
    const int right = kVerticalSize.width() - 1;
    for (int mm = 0; mm <= int(kSheetHeightMm); ++mm) {
        const double y = int(mm * perMm) + 0.5;
        painter.drawLine(QPointF(right - tickLength(mm, 8), y), QPointF(right, y));
        if (mm % 10 != 0) continue;
        const double top = std::clamp(y - 5, 0.0, kVerticalSize.height() - 10.0);
        painter.drawText(QRectF(0, top, right - 8, 10), Qt::AlignCenter, QString::number(mm / 10));
    }
    painter.setPen(QPen(kEdge, 1));
    painter.drawLine(QPointF(right + 0.5, 0), QPointF(right + 0.5, kVerticalSize.height()));
    return image;
}

QImage drawHorizontal() {
    QImage image(kHorizontalSize, QImage::Format_RGB32);
    QPainter painter;
    startPainting(painter, image, 11);
    const double perMm = (kHorizontalSize.width() - 1) / kSheetWidthMm;
    const int bottom = kHorizontalSize.height() - 1;
    for (int mm = 0; mm <= int(kSheetWidthMm); ++mm) {
        const double x = int(mm * perMm) + 0.5;
        painter.drawLine(QPointF(x, bottom - tickLength(mm, 12)), QPointF(x, bottom));
        if (mm % 10 != 0) continue;
        const double left = std::clamp(x - 10, 1.0, kHorizontalSize.width() - 21.0);
        painter.drawText(QRectF(left, 1, 20, 13), Qt::AlignCenter, QString::number(mm / 10));
    }
    painter.setPen(QPen(kEdge, 1));
    painter.drawLine(QPointF(0, bottom + 0.5), QPointF(kHorizontalSize.width(), bottom + 0.5));
    return image;
}

}  // namespace Rulers
