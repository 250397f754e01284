#include "runtime/ui/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

qreal averageLatinWidth(const QFontMetricsF& metrics) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return metrics.horizontalAdvance(letters) / letters.size();
}

}  // namespace

DialogUnits::DialogUnits(const QFont& windowFont)
    : DialogUnits(averageLatinWidth(QFontMetricsF(windowFont)),
                  QFontMetricsF(windowFont).height()) {}

DialogUnits::DialogUnits(qreal charWidth, qreal charHeight)
    : charWidth_(charWidth), charHeight_(charHeight) {}

int DialogUnits::x(int across) const {
    return qRound(across * charWidth_ / 4);
}

int DialogUnits::y(int down) const {
    return qRound(down * charHeight_ / 8);
}

QRect DialogUnits::rect(const At& at, QSize naturalSize) const {
    const int width = at.w > 0 ? x(at.w) : naturalSize.width();
    const int height = at.h > 0 ? y(at.h) : naturalSize.height();
    return QRect(x(at.x), y(at.y), std::max(width, 0), std::max(height, 0));
}
