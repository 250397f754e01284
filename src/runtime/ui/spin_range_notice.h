#pragma once

#include <QAbstractSpinBox>

// A spin box drops a key that would take it past its range, and puts its
// last value back when it is left with a number outside it; either way the
// user is told the range at the box rather than left to wonder.
namespace SpinRangeNotice {

void watch(QAbstractSpinBox* spin);
// "Допустимы значения от 5.0 до 100.0", in the box's own number format.
QString rangeText(const QAbstractSpinBox* spin);

}  // namespace SpinRangeNotice
