#include "print/font_choice.h"

#include <QFontDatabase>
#include <QFontInfo>

#include "data/last.h"
#include "print/profile.h"
#include "runtime/report/report_font.h"

Shared<QString> TYPEFACE;
Shared<qint32> FONTSIZE;
Shared<qint32> FONTCOLOR;
Shared<qint32> FONTSTYLE;
Shared<qint32> CHARSET;

namespace FontChoice {

namespace {

constexpr int kTypefaceLength = 31;
const QString kCyr = QStringLiteral("Cyr");

QString trimmedRight(QString text) {
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// Weight as the font system gives it (400 regular, 700 bold) and the
// style flags.
qint32 styleWordOf(const QFont& font) {
    qint32 word = font.weight();
    if (font.italic()) word |= FontStyleWord::Italic;
    if (font.underline()) word |= FontStyleWord::Underline;
    if (font.strikeOut()) word |= FontStyleWord::StrikeOut;
    return word;
}

// The face's own name for the font's weight and slant ("Regular", "Bold
// Italic"). The chooser looks the style up by name, and the generic name it
// would make up otherwise ("Normal", translated) matches no face's.
QString styleNameOf(const QFont& font) {
    const QString family = QFontInfo(font).family();
    for (const QString& style : QFontDatabase::styles(family))
        if (QFontDatabase::bold(family, style) == font.bold() &&
            QFontDatabase::italic(family, style) == font.italic())
            return style;
    return {};
}

}  // namespace

QString withCyr(const QString& chosen) {
    const QString name = trimmedRight(chosen);
    if (name.endsWith(kCyr, Qt::CaseSensitive)) return name.left(kTypefaceLength);
    return (name + u' ' + kCyr).left(kTypefaceLength);
}

void remember(const QFont& chosen, qint32 colourWord) {
    TYPEFACE.set(storedFamily(chosen.family()));
    FONTSIZE.set(qRound(chosen.pointSizeF()));
    FONTCOLOR.set(colourWord);
    FONTSTYLE.set(styleWordOf(chosen));
    CHARSET.set(kCyrillicCharset);
}

void copyInto(RecordBuffer& profile) {
    profile.setText(LAS::TYPEFACE, withCyr(TYPEFACE.get()));
    profile.setInteger(LAS::FONTSIZE, FONTSIZE.get());
    profile.setInteger(LAS::FONTCOLOR, FONTCOLOR.get());
    profile.setInteger(LAS::FONTSTYLE, FONTSTYLE.get());
    profile.setInteger(LAS::CHARSET, CHARSET.get());
}

QFont ofProfile(const RecordBuffer& profile) {
    QFont font = toQFont(Profile::font(profile));
    font.setStyleName(styleNameOf(font));
    return font;
}

}  // namespace FontChoice
