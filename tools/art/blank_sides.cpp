#include "art/blank_sides.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include "art/back_table.h"
#include "art/blank_paper.h"

namespace BlankSides {

namespace {

// The form's entries begin about 40 pixels in from the edges of the front
// picture; the back's frame stands clear of the rulers laid over its top and
// left edges.
constexpr double kFrontInset = 10;
constexpr double kBackInset = 26;
constexpr double kBand = 17;

void drawPaper(QPainter& painter, QSize size, double inset, int scale) {
    const QRectF page(QPointF(0, 0), QSizeF(size));
    BlankPaper::drawField(painter, page, scale);
    BlankPaper::drawFrame(painter, {page, inset, kBand}, scale);
}

QLineF onPicture(const QLineF& line, QSizeF picture, double penWidth) {
    const QPointF a = BackTable::toPicture(line.p1(), picture);
    const QPointF b = BackTable::toPicture(line.p2(), picture);
    auto snap = [penWidth](double v) { return BlankPaper::snapToPixels(v, penWidth); };
    if (line.dx() == 0) return {snap(a.x()), a.y(), snap(b.x()), b.y()};
    return {a.x(), snap(a.y()), b.x(), snap(b.y())};
}

void drawRules(QPainter& painter, const std::vector<QLineF>& rules, QSizeF picture,
               double penWidth) {
    painter.setPen(QPen(BlankPaper::kTableInk, penWidth, Qt::SolidLine, Qt::SquareCap));
    for (const QLineF& rule : rules)
        painter.drawLine(onPicture(rule, picture, penWidth));
}

void drawColumnNumbers(QPainter& painter, QSizeF picture, int scale) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(8 * scale);
    painter.setFont(font);
    painter.setPen(BlankPaper::kTableInk);
    int number = 1;
    for (const QRectF& cell : BackTable::numberCells()) {
        const QRectF box(BackTable::toPicture(cell.topLeft(), picture),
                         BackTable::toPicture(cell.bottomRight(), picture));
        painter.drawText(box, Qt::AlignCenter, QString::number(number++));
    }
}

void drawTable(QPainter& painter, QSizeF picture, int scale) {
    drawRules(painter, BackTable::innerRules(), picture, 1.0 * scale);
    drawRules(painter, BackTable::outerRules(), picture, 1.6 * scale);
    drawColumnNumbers(painter, picture, scale);
}

// Grey bars where the printed words of the blank stand, for the small picture.
void drawTextLines(QPainter& painter, const QRectF& sheet) {
    const double w = sheet.width();
    const double h = sheet.height();
    auto bar = [&](double x, double y, double length, double thickness, const QColor& colour) {
        painter.fillRect(
            QRectF(sheet.left() + x * w, sheet.top() + y * h, length * w, thickness * h), colour);
    };
    const QColor text(120, 112, 112);
    const QColor line(170, 160, 160);
    bar(0.16, 0.08, 0.46, 0.012, text);
    bar(0.78, 0.08, 0.1, 0.012, text);
    for (int i = 0; i < 3; ++i)
        bar(0.12, 0.12 + i * 0.025, 0.4, 0.004, line);
    bar(0.2, 0.205, 0.6, 0.018, text);
    bar(0.4, 0.25, 0.45, 0.008, text);
    for (int i = 0; i < 24; ++i) {
        const double y = 0.29 + i * 0.02;
        const double caption = (i % 3 == 0) ? 0.16 : 0.06;
        bar(0.1, y, caption, 0.007, text);
        bar(0.1 + caption + 0.01, y + 0.006, 0.78 - caption - 0.01, 0.0025, line);
    }
    bar(0.12, 0.84, 0.3, 0.008, text);
    bar(0.56, 0.84, 0.3, 0.008, text);
    bar(0.12, 0.88, 0.3, 0.0025, line);
    bar(0.56, 0.88, 0.3, 0.0025, line);
}

void drawSheet(QPainter& painter, const QImage& side, const QRectF& sheet) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRect(sheet.translated(3, 4));
    painter.drawImage(sheet, side);
    painter.setPen(QPen(QColor(150, 140, 140), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace

QImage drawFront(int scale) {
    QImage image(kFrontSize * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPaper(painter, kFrontSize, kFrontInset, scale);
    BlankPaper::drawWatermark(painter, QPointF(297.5, 430), 190, scale);
    return image;
}

QImage drawBack(int scale) {
    QImage image(kBackSize * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPaper(painter, kBackSize, kBackInset, scale);
    drawTable(painter, QSizeF(kBackSize * scale), scale);
    return image;
}

QImage drawMiniature() {
    QImage image(kMiniatureSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient background(0, 0, 0, kMiniatureSize.height());
    background.setColorAt(0, QColor(246, 248, 242));
    background.setColorAt(1, QColor(226, 234, 222));
    painter.fillRect(image.rect(), background);

    const QSizeF sheet(196, 277);
    drawSheet(painter, drawBack(1), QRectF(QPointF(10, 8), sheet));
    const QRectF front(QPointF(74, 46), sheet);
    drawSheet(painter, drawFront(1), front);
    drawTextLines(painter, front);
    painter.setPen(QPen(QColor(150, 160, 150), 1));
    painter.drawRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

}  // namespace BlankSides
