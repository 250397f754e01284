#include "runtime/report/report_font.h"

#include <array>
#include <utility>

namespace {

constexpr int kWeightMask = 0x0FFF;
constexpr int kBoldFrom = 600;  // semi-bold and heavier print bold
constexpr double kFallbackPointSize = 10;
constexpr double kMmPerPoint = 25.4 / 72;

// Faces the layouts name, and the metric twins installed in their place.
constexpr std::array<std::pair<const char*, const char*>, 3> kTwins{{
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

}  // namespace

FontSpec FontSpec::fromStored(const QString& typeface, double pointSize, int styleWord,
                              qint64 colorWord) {
    FontSpec font;
    font.family = typeface.trimmed();
    font.pointSize = pointSize;
    applyStyleWord(font, styleWord);
    font.color = colorFromWord(colorWord);
    return font;
}

int styleWord(const FontSpec& font) {
    int word = font.bold ? FontStyleWord::Bold : FontStyleWord::Regular;
    if (font.italic) word |= FontStyleWord::Italic;
    if (font.underline) word |= FontStyleWord::Underline;
    if (font.strikeOut) word |= FontStyleWord::StrikeOut;
    return word;
}

void applyStyleWord(FontSpec& font, int word) {
    font.bold = (word & kWeightMask) >= kBoldFrom;
    font.italic = (word & FontStyleWord::Italic) != 0;
    font.underline = (word & FontStyleWord::Underline) != 0;
    font.strikeOut = (word & FontStyleWord::StrikeOut) != 0;
}

QColor colorFromWord(qint64 word) {
    // Negative words and words above 0xFFFFFF name "no colour" or a system
    // colour; text then prints in black.
    if (word < 0 || word > 0xFFFFFF) return Qt::black;
    return QColor(int(word & 0xFF), int((word >> 8) & 0xFF), int((word >> 16) & 0xFF));
}

qint32 colorWord(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

QString installedFamily(const QString& family) {
    QString name = family.trimmed();
    if (name.endsWith(QLatin1String(" cyr"), Qt::CaseInsensitive)) name.chop(4);
    if (name.isEmpty()) name = QStringLiteral("Arial");
    for (const auto& [face, twin] : kTwins) {
        if (name.compare(QLatin1String(face), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(twin);
        }
    }
    return name;
}

QString storedFamily(const QString& installed) {
    for (const auto& [face, twin] : kTwins) {
        if (installed.compare(QLatin1String(twin), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(face);
        }
    }
    return installed;
}

QFont toQFont(const FontSpec& wanted) {
    QFont font(installedFamily(wanted.family));
    font.setPointSizeF(wanted.pointSize > 0 ? wanted.pointSize : kFallbackPointSize);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeOut);
    // Unhinted glyphs keep the same advances on screen and on paper, so the
    // preview shows the widths that will print. Without kerning a text is as
    // wide as its characters' advances, as report engines have always set it.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QFont inMicrometres(QFont font) {
    font.setPixelSize(qRound(font.pointSizeF() * kMmPerPoint * kMicrometresPerMm));
    return font;
}
