#pragma once

#include <QDoubleSpinBox>
#include <QObject>
#include <vector>

#include "runtime/core/record_buffer.h"
#include "runtime/ui/control_set.h"

// A position in millimetres with one decimal. The point is shown as a
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

// The profile form's position boxes, built from their control table into
// the window's control set and tied to the record's fields: a value the
// box shows is in the record at once.
class PositionBoxes : public QObject {
    Q_OBJECT

public:
    PositionBoxes(ControlSet& controls, RecordBuffer& record, const std::vector<ControlDef>& table);

    // Shows the record's values.
    void load();
    void load(int field);
    // The field of a box, or of the box a focused widget is part of; -1 for
    // anything else.
    int fieldOf(QWidget* widget) const;
    PositionBox* box(int field) const;

private:
    struct Bound {
        int field;
        PositionBox* box;
    };

    RecordBuffer& record_;
    QStyle* style_;
    std::vector<Bound> boxes_;
};
