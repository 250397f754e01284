#pragma once

#include <QSize>
#include <QStringList>
#include <vector>

#include "runtime/ui/control_def.h"

// The certificate form drawn as the blank "Форма №2": a sheet with the front
// and the back of the blank, an entry laid over every place a value is
// written, the blank's printed words beside them, and the whole-form shift
// above the sheet. Places are dialog units of the window font, Arial 8.
namespace UpdateForma2Layout {

// The window's client area in dialog units.
inline constexpr QSize kClientSize{530, 586};

std::vector<ControlDef> controls();

// The order Tab moves in, across both sides of the blank.
const QStringList& focusOrder();

// The continuation lines of the blank, hidden unless FR3:CHEK is set.
const QStringList& additionalLines();

}  // namespace UpdateForma2Layout
