#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <deque>

#include "runtime/report/report_font.h"

// Text extents in millimetres, measured on fonts sized in micrometres as the
// renderer draws them, so a width found here holds on paper and on screen.
// Fonts are resolved once per distinct font asked for.
class TextMeasure {
public:
    struct Measured {
        FontSpec wanted;
        QFont font;  // in points, as items carry it
        QFontMetricsF metrics;
        mutable QHash<char16_t, double> advances;  // micrometres

        double width(const QString& text) const;
        double lineHeight() const;
        double digitWidth() const;
        double averageCharWidth() const;
        // The longest start of text no wider than width.
        QString fitting(const QString& text, double width) const;
    };

    const Measured& font(const FontSpec& wanted);

private:
    std::deque<Measured> fonts_;  // stable addresses for the references handed out
};
