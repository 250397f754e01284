#include "art/fitted_text.h"

#include <QFontMetricsF>

namespace {
constexpr double kSmallestPoints = 4;
constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
}  // namespace

void drawFittedText(QPainter& painter, const QRectF& box, const QString& text, QFont font) {
    while (font.pointSizeF() > kSmallestPoints) {
        const QRectF needed = QFontMetricsF(font, painter.device()).boundingRect(box, kFlags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height()) break;
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    painter.setFont(font);
    painter.drawText(box, kFlags, text);
}
