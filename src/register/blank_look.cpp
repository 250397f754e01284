#include "register/blank_look.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "runtime/ui/compact_style.h"

namespace BlankLook {

namespace {

constexpr int kFillOpacity = 190;

// Moves the line's baseline so that the letters, from the top of the
// capitals to the bottom of the descenders, sit in the middle of the box.
// QLineEdit centres the font's whole line height instead, which in a box as
// high as the font cuts off the descenders.
void centreLetters(QLineEdit* line) {
    const QFontMetrics metrics(line->font());
    const int height = line->height();
    const int letters = metrics.capHeight() + metrics.descent();
    const int baseline = (height - letters + 1) / 2 + metrics.capHeight();
    const int centredTop = (height - metrics.height() + 1) / 2;
    const int shift = baseline - metrics.ascent() - centredTop;
    line->setTextMargins(0, shift, 0, -shift);
}

// Keeps the letters centred whenever the line's font or size changes (the
// focus highlight draws it bold, the print profile gives it another face).
class LetterCentring : public QObject {
public:
    explicit LetterCentring(QLineEdit* line) : QObject(line), line_(line) {
        line->installEventFilter(this);
        centreLetters(line);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::Resize)
            centreLetters(line_);
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* line_;
};

// A box lets the blank and a caption under it show faintly through its
// fill, the way a highlighter marks paper; what is typed stays on top.
void showThrough(QWidget* box) {
    QPalette palette = box->palette();
    QColor fill = palette.color(QPalette::Base);
    fill.setAlpha(kFillOpacity);
    palette.setColor(QPalette::Base, fill);
    box->setPalette(palette);
}

bool isCaption(ControlKind kind) {
    return kind == ControlKind::Text || kind == ControlKind::Prompt;
}

bool isBox(ControlKind kind) {
    return kind == ControlKind::Entry || kind == ControlKind::DropCombo;
}

// Where a caption's letters are: from the top of its capitals to the bottom
// of its descenders, as wide as its text.
QRect lettersOf(const QLabel* caption) {
    const QFontMetrics metrics(caption->font());
    const QRect box = caption->geometry();
    const int lineTop = box.top() + std::max(0, (box.height() - metrics.height()) / 2);
    const int top = lineTop + metrics.ascent() - metrics.capHeight();
    const int width = std::min(box.width(), metrics.horizontalAdvance(caption->text()));
    return QRect(box.left(), top, width, metrics.capHeight() + metrics.descent());
}

// The part of the caption's letter height that shown boxes of its side cover.
double coveredShare(const ControlSet& controls, const ControlDef& captionDef) {
    const QRect letters = lettersOf(controls.control<QLabel>(captionDef.label));
    int covered = 0;
    for (const ControlDef& def : controls.defs()) {
        if (!isBox(def.kind) || def.tab != captionDef.tab || controls.isHidden(def.label)) continue;
        const QRect overlap = letters.intersected(controls.control(def.label)->geometry());
        if (!overlap.isEmpty()) covered += overlap.height();
    }
    return static_cast<double>(covered) / letters.height();
}

}  // namespace

void hideCoveredCaptions(ControlSet& controls) {
    for (const ControlDef& def : controls.defs())
        if (isCaption(def.kind)) controls.setHidden(def.label, coveredShare(controls, def) > 0.5);
}

void apply(ControlSet& controls) {
    auto* comboStyle = new CompactStyle;
    comboStyle->setParent(controls.window());
    for (const ControlDef& def : controls.defs()) {
        QWidget* control = controls.control(def.label);
        if (auto* entry = qobject_cast<QLineEdit*>(control)) {
            entry->setFrame(false);
            new LetterCentring(entry);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            combo->setFrame(false);
            combo->setStyle(comboStyle);
            if (combo->lineEdit()) new LetterCentring(combo->lineEdit());
        }
        if (isBox(def.kind)) {
            showThrough(control);
            control->raise();
        }
    }
    hideCoveredCaptions(controls);
}

}  // namespace BlankLook
