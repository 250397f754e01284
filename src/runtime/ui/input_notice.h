#pragma once

#include <QString>
#include <QWidget>

// A message about what was typed, shown at the control without stopping the
// user: a balloon under the control and, for refused input, a red frame
// that stays until the control is cleared.
namespace InputNotice {

void show(QWidget* control, const QString& message, bool refused);
void clear(QWidget* control);
// The message the control shows; empty when none.
QString message(const QWidget* control);
bool isRefused(const QWidget* control);

}  // namespace InputNotice
