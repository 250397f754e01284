#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "runtime/ui/control_def.h"

// How a control looks and what the window conventions read from it: fill
// and text colour, font, status text, the required mark.
namespace ControlStyle {

// The face the font system knows: "Arial CYR" -> "Arial".
QString familyName(const QString& family);
QFont font(const ControlFont& def, const QFont& windowFont);

void setTextColour(QWidget* control, const QColor& colour);
void setFill(QWidget* control, const QColor& colour);
QColor fill(const QWidget* control);

// The control a focused widget belongs to: a spin box or combo box rather
// than the line edit inside it.
QWidget* owningControl(QWidget* focused);

QString statusText(const QWidget* control);
void setStatusText(QWidget* control, const QString& text);

bool isRequired(const QWidget* control);
void setRequired(QWidget* control, bool required);

}  // namespace ControlStyle
