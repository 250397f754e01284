#include "runtime/report/text_measure.h"

// The fonts draw without kerning, so a text's width is the sum of its
// characters' advances; looking them up is far cheaper than shaping the text.
double TextMeasure::Measured::width(const QString& text) const {
    double sum = 0;
    for (const QChar c : text) {
        if (c.isSurrogate()) return metrics.horizontalAdvance(text) / kMicrometresPerMm;
        auto known = advances.constFind(c.unicode());
        if (known == advances.cend())
            known = advances.insert(c.unicode(), metrics.horizontalAdvance(c));
        sum += *known;
    }
    return sum / kMicrometresPerMm;
}

double TextMeasure::Measured::lineHeight() const {
    return metrics.height() / kMicrometresPerMm;
}

double TextMeasure::Measured::digitWidth() const {
    return metrics.horizontalAdvance(QLatin1Char('0')) / kMicrometresPerMm;
}

double TextMeasure::Measured::averageCharWidth() const {
    return metrics.averageCharWidth() / kMicrometresPerMm;
}

QString TextMeasure::Measured::fitting(const QString& text, double limit) const {
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (width(text.left(mid)) <= limit) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return text.left(low);
}

const TextMeasure::Measured& TextMeasure::font(const FontSpec& wanted) {
    for (const Measured& known : fonts_) {
        if (known.wanted == wanted) return known;
    }
    const QFont font = toQFont(wanted);
    fonts_.push_back({wanted, font, QFontMetricsF(inMicrometres(font))});
    return fonts_.back();
}
