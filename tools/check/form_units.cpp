#include "check/form_units.h"

#include <QFontMetricsF>
#include <QString>

FormUnits FormUnits::arial8() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    double width = 0;
    for (const QChar letter : letters)
        width += metrics.horizontalAdvance(letter);
    return {font, width / letters.size() / 4, metrics.height() / 8};
}

QRectF FormUnits::toPixels(const QRectF& units, QPointF origin) const {
    return {(units.x() - origin.x()) * across, (units.y() - origin.y()) * down,
            units.width() * across, units.height() * down};
}

QRectF FormUnits::toUnits(const QRectF& pixels) const {
    return {pixels.x() / across, pixels.y() / down, pixels.width() / across,
            pixels.height() / down};
}

QRectF FormUnits::inkOf(const QString& text, const QFont& font, QPointF at) const {
    const QFontMetricsF metrics(font);
    const QRectF glyphs = metrics.tightBoundingRect(text);
    return toUnits(glyphs.translated(0, metrics.ascent())).translated(at);
}
