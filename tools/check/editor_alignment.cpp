#include "check/editor_alignment.h"

#include "check/editor_layout.h"
#include "check/form_units.h"
#include "check/picture_probe.h"

namespace {

// Rules stand in the gaps between the boxes, up to 3 units above and below
// a row; across, the first column is far wider than its boxes.
constexpr QSizeF kRuleReach{45, 3};
constexpr double kRuleCover = 0.8;
constexpr double kBoxMargin = 0.5;
constexpr int kHeadPoints = 14;

QString describe(const QRectF& box) {
    return QStringLiteral("box at (%1, %2)").arg(box.x()).arg(box.y());
}

void checkClear(const PictureProbe& probe, const QRectF& box, QStringList& faults) {
    const double m = kBoxMargin;
    if (probe.inkIn(box.adjusted(m, m, -m, -m)) > 0)
        faults << describe(box) + QStringLiteral(": drawn over");
}

}  // namespace

QStringList checkEditorBack(const QImage& picture) {
    const PictureProbe probe(picture, EditorLayout::kPictureBox);
    QStringList faults;
    for (const QRectF& box : EditorLayout::cellBoxes()) {
        checkClear(probe, box, faults);
        for (const QString& side : probe.sidesWithoutRule(box, kRuleReach, kRuleCover))
            faults << describe(box) + QStringLiteral(": no rule along its %1 side").arg(side);
    }
    for (const QRectF& box : EditorLayout::rowBoxes())
        checkClear(probe, box, faults);
    const FormUnits units = FormUnits::arial8();
    QFont head = units.font;
    head.setPointSize(kHeadPoints);
    for (const QPointF& at : EditorLayout::headPositions()) {
        if (probe.inkIn(units.inkOf(QStringLiteral("Х"), head, at)) > 0)
            faults << QStringLiteral("head at (%1, %2): drawn over").arg(at.x()).arg(at.y());
    }
    return faults;
}
