#include "check/back_alignment.h"

#include <QFontMetricsF>
#include <QPainter>

#include "check/back_layout.h"
#include "check/form_units.h"

namespace {

// How far from a cell's side its rule may lie, and how much of the side it
// must cover, in dialog units and as a share.
constexpr double kRuleReach = 3;
constexpr double kRuleCover = 0.8;
// Antialiasing lets a rule bleed a little into the cell beside it.
constexpr double kCellMargin = 0.5;
constexpr int kInkGrey = 160;

class PictureProbe {
public:
    explicit PictureProbe(const QImage& picture)
        : picture_(picture.convertToFormat(QImage::Format_RGB32)) {}

    // A rectangle of dialog units as whole pixels of the picture.
    QRect pixels(const QRectF& units) const {
        const QRectF box = BackLayout::kPictureBox;
        const double sx = picture_.width() / box.width();
        const double sy = picture_.height() / box.height();
        return QRectF((units.x() - box.x()) * sx, (units.y() - box.y()) * sy, units.width() * sx,
                      units.height() * sy)
            .toAlignedRect()
            .intersected(picture_.rect());
    }

    bool ink(int x, int y) const { return qGray(picture_.pixel(x, y)) < kInkGrey; }

    int inkIn(const QRect& area) const {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += ink(x, y);
        }
        return count;
    }

    // Whether some column (or row) of the area is inked over most of its length.
    bool hasRule(const QRect& area, bool vertical) const {
        const int lines = vertical ? area.width() : area.height();
        const int length = vertical ? area.height() : area.width();
        for (int i = 0; i < lines; ++i) {
            int inked = 0;
            for (int j = 0; j < length; ++j) {
                inked += vertical ? ink(area.left() + i, area.top() + j)
                                  : ink(area.left() + j, area.top() + i);
            }
            if (inked >= kRuleCover * length) return true;
        }
        return false;
    }

private:
    QImage picture_;
};

QString describe(const QRectF& cell) {
    return QStringLiteral("cell AT(%1, %2, %3, %4)")
        .arg(cell.x())
        .arg(cell.y())
        .arg(cell.width())
        .arg(cell.height());
}

void checkCell(const PictureProbe& probe, const QRectF& cell, QStringList& faults) {
    const double m = kCellMargin;
    if (probe.inkIn(probe.pixels(cell.adjusted(m, m, -m, -m))) > 0) {
        faults << describe(cell) + QStringLiteral(": a rule runs through it");
    }
    const double r = kRuleReach;
    const struct {
        const char* side;
        QRectF strip;
        bool vertical;
    } sides[] = {
        {"left", {cell.left() - r, cell.top(), r, cell.height()}, true},
        {"right", {cell.right(), cell.top(), r, cell.height()}, true},
        {"top", {cell.left(), cell.top() - r, cell.width(), r}, false},
        {"bottom", {cell.left(), cell.bottom(), cell.width(), r}, false},
    };
    for (const auto& side : sides) {
        if (!probe.hasRule(probe.pixels(side.strip), side.vertical)) {
            faults << describe(cell) + QStringLiteral(": no rule along its %1 side")
                                           .arg(QLatin1String(side.side));
        }
    }
}

QFont captionFont(const FormUnits& units) {
    QFont font = units.font;
    font.setItalic(true);
    return font;
}

// The inked part of a caption, in dialog units.
QRectF captionInk(const BackLayout::Caption& caption, const FormUnits& units) {
    const QFontMetricsF metrics(captionFont(units));
    const QRectF glyphs = metrics.tightBoundingRect(caption.text);
    const QRectF inUnits = units.toUnits(glyphs.translated(0, metrics.ascent()));
    return inUnits.translated(caption.x, caption.y);
}

}  // namespace

QStringList checkBackAlignment(const QImage& picture) {
    const PictureProbe probe(picture);
    const FormUnits units = FormUnits::arial8();
    QStringList faults;
    for (const QRectF& cell : BackLayout::cells())
        checkCell(probe, cell, faults);
    for (const BackLayout::Caption& caption : BackLayout::captions()) {
        if (probe.inkIn(probe.pixels(captionInk(caption, units))) > 0) {
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
