#pragma once

#include <QProxyStyle>

// For spin boxes and combo boxes as high as their font: the entry field
// takes the control's whole height up to its arrows, where the style's frame
// margins would leave too little room for a line of text. A control that
// draws its own hairline frame keeps `inset` pixels clear above and below.
class CompactStyle : public QProxyStyle {
public:
    explicit CompactStyle(int inset = 0);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;

private:
    int inset_;
};
