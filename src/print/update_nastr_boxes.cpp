#include "print/update_nastr_boxes.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>

#include "print/profile_form.h"
#include "runtime/ui/compact_style.h"
#include "runtime/ui/control_style.h"

PositionBox::PositionBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setFrame(false);
    setLocale(QLocale::c());
    setSingleStep(ProfileForm::kStep);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QValidator::State PositionBox::validate(QString& text, int& position) const {
    text.replace(u',', u'.');
    return QDoubleSpinBox::validate(text, position);
}

void PositionBox::paintEvent(QPaintEvent* event) {
    QDoubleSpinBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PositionBox::resizeEvent(QResizeEvent* event) {
    QDoubleSpinBox::resizeEvent(event);
    centreDigits();
}

void PositionBox::changeEvent(QEvent* event) {
    QDoubleSpinBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) centreDigits();
}

// Moves the baseline so that the digits, not the font's whole line with its
// room for accents and descenders, are centred in the box.
void PositionBox::centreDigits() {
    const QFontMetrics metrics(font());
    const int height = lineEdit()->height();
    const int baseline = (height - metrics.capHeight() + 1) / 2 + metrics.capHeight();
    const int shift = baseline - metrics.ascent() - (height - metrics.height() + 1) / 2;
    lineEdit()->setTextMargins(0, shift, 0, -shift);
}

void addPositionBoxes(ControlSet& controls, const std::vector<ControlDef>& table) {
    QWidget* window = controls.window();
    // The digits keep clear of the box's hairline.
    auto* style = new CompactStyle(1);
    style->setParent(window);
    for (const ControlDef& def : table) {
        auto* box = new PositionBox(window);
        box->setStyle(style);
        const ProfileForm::Range range = ProfileForm::boxRange(def);
        box->setRange(range.minimum, range.maximum);
        box->setFont(ControlStyle::font(def.font, window->font()));
        if (def.fill) ControlStyle::setFill(box, *def.fill);
        box->setToolTip(def.tooltip);
        box->setGeometry(controls.units().rect(def.at));
        controls.add(def, box);
    }
}
