#include "art/print_sheet.h"

#include <QFontMetricsF>
#include <QPen>

#include "art/blank_paper.h"
#include "art/fitted_text.h"

namespace {

// The frame is measured in points of the sheet, as on the smaller pictures,
// but kept narrower: the print layouts reach 8 mm from the sheet's edges.
constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kFrameInset = 7;
constexpr double kFrameBand = 15;
constexpr double kMinimumPoints = 4;

const QString kTypeface = QStringLiteral("Liberation Serif");

}  // namespace

PrintSheet::PrintSheet() : image_(kPixels, QImage::Format_RGB32) {
    const int dotsPerMetre = qRound(kDotsPerInch / 0.0254);
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    const QRectF page(QPointF(0, 0), kPaper * kPointsPerMm);
    const double scale = kPixels.width() / page.width();
    BlankPaper::drawField(painter_, page, scale);
    BlankPaper::drawFrame(painter_, {page, kFrameInset, kFrameBand}, scale);
}

QImage PrintSheet::take() {
    painter_.end();
    return image_;
}

QPointF PrintSheet::toPixels(QPointF mm) const {
    return {mm.x() * kPixels.width() / kPaper.width(), mm.y() * kPixels.height() / kPaper.height()};
}

void PrintSheet::rule(QPointF fromMm, QPointF toMm, double pixels, Qt::PenStyle style) {
    QPointF a = toPixels(fromMm);
    QPointF b = toPixels(toMm);
    auto snap = [pixels](double v) { return BlankPaper::snapToPixels(v, pixels); };
    if (a.y() == b.y()) {
        a.setY(snap(a.y()));
        b.setY(a.y());
    } else {
        a.setX(snap(a.x()));
        b.setX(a.x());
    }
    painter_.setPen(QPen(BlankPaper::kTableInk, pixels, style, Qt::SquareCap));
    painter_.drawLine(a, b);
}

QFont PrintSheet::font(const Type& type) const {
    QFont font(kTypeface);
    font.setPointSizeF(type.points);
    font.setBold(type.bold);
    font.setItalic(type.italic);
    return font;
}

double PrintSheet::widthOf(const QString& text, const QFont& font) const {
    const QFontMetricsF metrics(font, &image_);
    return metrics.horizontalAdvance(text) * kPaper.width() / kPixels.width();
}

QFont PrintSheet::fitting(const QString& text, Type type, double widthMm) const {
    while (type.points > kMinimumPoints && widthOf(text, font(type)) > widthMm)
        type.points -= 0.25;
    return font(type);
}

void PrintSheet::write(const QString& text, QPointF baselineMm, Qt::Alignment align,
                       const QFont& font, const QColor& ink) {
    QPointF at = toPixels(baselineMm);
    const double width = QFontMetricsF(font, &image_).horizontalAdvance(text);
    if (align & Qt::AlignRight) at.rx() -= width;
    if (align & Qt::AlignHCenter) at.rx() -= width / 2;
    painter_.setFont(font);
    painter_.setPen(ink);
    painter_.drawText(at, text);
}

void PrintSheet::writeInBox(const QString& text, const QRectF& boxMm, Type type,
                            const QColor& ink) {
    painter_.setPen(ink);
    drawFittedText(painter_, QRectF(toPixels(boxMm.topLeft()), toPixels(boxMm.bottomRight())), text,
                   font(type));
}
