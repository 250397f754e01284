#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// A report font as layouts and print profiles describe it.
struct FontSpec {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;

    bool operator==(const FontSpec&) const = default;

    // From the stored words: typeface, size in points, style word and colour
    // word. The character set needs no field: every face we resolve to
    // carries Cyrillic.
    static FontSpec fromStored(const QString& typeface, double pointSize, int styleWord,
                               qint64 colorWord);
};

// Style word: weight 400 (regular) or 700 (bold) plus these flags.
namespace FontStyleWord {
inline constexpr int Regular = 400;
inline constexpr int Bold = 700;
inline constexpr int Italic = 0x1000;
inline constexpr int Underline = 0x2000;
inline constexpr int StrikeOut = 0x4000;
}  // namespace FontStyleWord

int styleWord(const FontSpec& font);
void applyStyleWord(FontSpec& font, int word);

// Colour word: red + 256 * green + 65536 * blue.
QColor colorFromWord(qint64 word);
qint32 colorWord(const QColor& color);

// The installed family for a stored family name: " CYR"/" Cyr" dropped,
// Arial, Times New Roman and Courier New mapped to their metric twins.
QString installedFamily(const QString& family);

// The name to store for an installed family: a metric twin goes back to the
// face it stands in for, so a profile keeps naming the faces the office's
// printers have.
QString storedFamily(const QString& installed);

// The font to draw with. A blank family or a size of 0 (an empty print
// profile) still prints legibly: Arial 10 stands in.
QFont toQFont(const FontSpec& font);

// Drawing works in micrometres: a font sized in them keeps its exact
// widths on every device, where point sizes would be rounded to whole
// device pixels (2 % and more on screen).
inline constexpr double kMicrometresPerMm = 1000;
QFont inMicrometres(QFont font);
