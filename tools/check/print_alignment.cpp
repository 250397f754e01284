#include "check/print_alignment.h"

#include <algorithm>

#include "art/print_values.h"
#include "check/picture_probe.h"

namespace {

constexpr QRectF kSheet{0, 0, 210, 297};

// Where the letters of a value at the profile's 10 points stand in its box,
// from the top of its capitals to its baseline, and where its line may lie.
constexpr double kCapitalsTop = 0.75;
constexpr double kBaseline = 3.2;
constexpr double kLineBottom = 4.2;
constexpr double kLetterMargin = 0.2;
// The blank's frame stands right of this; the counterfoil's signature boxes
// reach into it, their centred values well short of it.
constexpr double kFrameInside = 200;
// Additional lines are dashed.
constexpr double kLineCover = 0.5;

// A cell's letters at 8 points, clear of the rules around them; the next
// column's rule may stand in the last part of a cell.
constexpr double kCellTop = 0.4;
constexpr double kCellBottom = 3.6;
constexpr double kCellEnd = 0.8;
constexpr QSizeF kRuleReach{1.5, 1};
constexpr double kRuleCover = 0.8;

QString describe(const PrintValues::Value& value) {
    return QStringLiteral("%1 at (%2, %3) mm")
        .arg(value.name)
        .arg(value.box.x())
        .arg(value.box.y());
}

QStringList checkValuesOnLines(const QImage& picture,
                               const std::vector<PrintValues::Value>& values) {
    const PictureProbe probe(picture, kSheet);
    QStringList faults;
    for (const PrintValues::Value& value : values) {
        const QRectF box = value.box;
        const QRectF letters(
            QPointF(box.left() + kLetterMargin, box.top() + kCapitalsTop),
            QPointF(std::min(box.right(), kFrameInside) - kLetterMargin, box.top() + kBaseline));
        if (probe.inkIn(letters) > 0) faults << describe(value) + QStringLiteral(": drawn over");
        const QRectF line(QPointF(box.left(), box.top() + kBaseline),
                          QPointF(std::min(box.right(), kFrameInside), box.top() + kLineBottom));
        if (!probe.hasRule(line, false, kLineCover))
            faults << describe(value) + QStringLiteral(": no line under it");
    }
    return faults;
}

}  // namespace

QStringList checkPrintFront(const QImage& picture) {
    return checkValuesOnLines(picture, PrintValues::front());
}

QStringList checkPrintCounterfoil(const QImage& picture) {
    return checkValuesOnLines(picture, PrintValues::counterfoil());
}

QStringList checkPrintBack(const QImage& picture) {
    const PictureProbe probe(picture, kSheet);
    QStringList faults;
    for (const PrintValues::Value& value : PrintValues::back()) {
        const QRectF box = value.box;
        const QRectF letters(QPointF(box.left(), box.top() + kCellTop),
                             QPointF(box.right() - kCellEnd, box.top() + kCellBottom));
        if (probe.inkIn(letters) > 0) faults << describe(value) + QStringLiteral(": drawn over");
        for (const QString& side : probe.sidesWithoutRule(letters, kRuleReach, kRuleCover))
            faults << describe(value) + QStringLiteral(": no rule along its %1 side").arg(side);
    }
    return faults;
}
