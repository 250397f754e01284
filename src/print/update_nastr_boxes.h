#pragma once

#include <QDoubleSpinBox>
#include <vector>

#include "runtime/ui/control_set.h"

// A position in millimetres, stepping by a tenth. The point is shown as a
// point, and a typed comma is taken as one, as Russian keyboards give it.
// The box is as high as its font, as the blank leaves room for: a hairline
// in place of the style's frame, and the digits in the middle of it.
class PositionBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit PositionBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& position) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void centreDigits();
};

// Builds the profile form's position boxes from their control table into
// the window's control set, where a FormBinding ties them to the record's
// fields like any other control.
void addPositionBoxes(ControlSet& controls, const std::vector<ControlDef>& table);
