#include "print/update_nastr_boxes.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOptionComplex>

#include "data/last.h"
#include "print/profile_form.h"
#include "runtime/ui/control_style.h"

namespace {

// The digits take the box's whole height up to its arrows, inside a hairline:
// the style's margins would leave too little room in a box as high as the
// font.
class CompactSpinStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control != CC_SpinBox || sub != SC_SpinBoxEditField)
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const QRect arrows = QProxyStyle::subControlRect(control, option, SC_SpinBoxUp, widget);
        const QRect box = option->rect;
        return QRect(box.left() + 1, box.top() + 1, arrows.left() - box.left() - 1,
                     box.height() - 2);
    }
};

}  // namespace

PositionBox::PositionBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setFrame(false);
    setLocale(QLocale::c());
    setDecimals(ProfileForm::kDecimals);
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

PositionBoxes::PositionBoxes(ControlSet& controls, RecordBuffer& record,
                             const std::vector<ControlDef>& table)
    : QObject(controls.window()), record_(record), style_(new CompactSpinStyle) {
    QWidget* window = controls.window();
    style_->setParent(this);
    for (const ControlDef& def : table) {
        const int field = record.layout().indexOf(def.use);
        auto* box = new PositionBox(window);
        box->setStyle(style_);
        const ProfileForm::Range range = ProfileForm::boxRange(def);
        box->setRange(range.minimum, range.maximum);
        box->setFont(ControlStyle::font(def.font, window->font()));
        if (def.fill) ControlStyle::setFill(box, *def.fill);
        box->setToolTip(def.tooltip);
        box->setGeometry(controls.units().rect(def.at));
        connect(box, &QDoubleSpinBox::valueChanged, this,
                [this, field](double value) { record_.setNumber(field, value); });
        controls.add(def, box);
        boxes_.push_back({field, box});
    }
}

void PositionBoxes::load() {
    for (const Bound& bound : boxes_)
        load(bound.field);
}

void PositionBoxes::load(int field) {
    if (PositionBox* shown = box(field)) {
        const QSignalBlocker blocker(shown);
        shown->setValue(record_.number(field));
    }
}

int PositionBoxes::fieldOf(QWidget* widget) const {
    const QWidget* control = ControlStyle::owningControl(widget);
    for (const Bound& bound : boxes_)
        if (bound.box == control) return bound.field;
    return -1;
}

PositionBox* PositionBoxes::box(int field) const {
    for (const Bound& bound : boxes_)
        if (bound.field == field) return bound.box;
    return nullptr;
}
