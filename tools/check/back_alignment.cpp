#include "check/back_alignment.h"

#include <QFontMetricsF>
#include <QPainter>

#include "check/back_layout.h"
#include "check/form_units.h"
#include "check/picture_probe.h"

namespace {

// How far from a cell's side its rule may lie, and how much of the side it
// must cover, in dialog units and as a share.
constexpr double kRuleReach = 3;
constexpr double kRuleCover = 0.8;
// Antialiasing lets a rule bleed a little into the cell beside it.
constexpr double kCellMargin = 0.5;

QString describe(const QRectF& cell) {
    return QStringLiteral("cell AT(%1, %2, %3, %4)")
        .arg(cell.x())
        .arg(cell.y())
        .arg(cell.width())
        .arg(cell.height());
}

void checkCell(const PictureProbe& probe, const QRectF& cell, QStringList& faults) {
    const double m = kCellMargin;
    if (probe.inkIn(cell.adjusted(m, m, -m, -m)) > 0) {
        faults << describe(cell) + QStringLiteral(": a rule runs through it");
    }
    const QSizeF reach(kRuleReach, kRuleReach);
    for (const QString& side : probe.sidesWithoutRule(cell, reach, kRuleCover))
        faults << describe(cell) + QStringLiteral(": no rule along its %1 side").arg(side);
}

QFont captionFont(const FormUnits& units) {
    QFont font = units.font;
    font.setItalic(true);
    return font;
}

}  // namespace

QStringList checkBackAlignment(const QImage& picture) {
    const PictureProbe probe(picture, BackLayout::kPictureBox);
    const FormUnits units = FormUnits::arial8();
    QStringList faults;
    for (const QRectF& cell : BackLayout::cells())
        checkCell(probe, cell, faults);
    for (const BackLayout::Caption& caption : BackLayout::captions()) {
        if (probe.inkIn(units.inkOf(caption.text, captionFont(units), {caption.x, caption.y})) >
            0) {
            faults << QStringLiteral("caption \"%1\" at (%2, %3): a rule runs through it")
                          .arg(caption.text)
                          .arg(caption.x)
                          .arg(caption.y);
        }
    }
    return faults;
}

QImage drawBackOverlay(const QImage& picture) {
    const FormUnits units = FormUnits::arial8();
    const QPointF origin = BackLayout::kPictureBox.topLeft();
    const QRectF box = units.toPixels(BackLayout::kPictureBox, origin);
    QImage overlay(box.size().toSize(), QImage::Format_RGB32);
    QPainter painter(&overlay);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(box, picture);

    painter.setPen(QColor(200, 80, 80));
    painter.setBrush(QColor(255, 223, 223, 170));
    for (const QRectF& cell : BackLayout::cells()) {
        painter.drawRect(units.toPixels(cell, origin));
    }
    painter.setFont(captionFont(units));
    painter.setPen(QColor(128, 128, 128));
    const double ascent = QFontMetricsF(captionFont(units)).ascent();
    for (const BackLayout::Caption& caption : BackLayout::captions()) {
        const QRectF at = units.toPixels({caption.x, caption.y, 0, 0}, origin);
        painter.drawText(at.topLeft() + QPointF(0, ascent), caption.text);
    }
    return overlay;
}
