#include "runtime/ui/compact_style.h"

#include <QStyleOptionComplex>

namespace {

// The arrows a compact control's entry field ends at; SC_None for any other
// part.
QStyle::SubControl arrowsAfter(QStyle::ComplexControl control, QStyle::SubControl sub) {
    if (control == QStyle::CC_SpinBox && sub == QStyle::SC_SpinBoxEditField)
        return QStyle::SC_SpinBoxUp;
    if (control == QStyle::CC_ComboBox && sub == QStyle::SC_ComboBoxEditField)
        return QStyle::SC_ComboBoxArrow;
    return QStyle::SC_None;
}

}  // namespace

CompactStyle::CompactStyle(int inset) : inset_(inset) {}

QRect CompactStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl sub, const QWidget* widget) const {
    const SubControl arrows = arrowsAfter(control, sub);
    if (arrows == SC_None) return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect arrowRect = QProxyStyle::subControlRect(control, option, arrows, widget);
    const QRect box = option->rect;
    return QRect(box.left() + 1, box.top() + inset_, arrowRect.left() - box.left() - 1,
                 box.height() - 2 * inset_);
}
