#pragma once

#include <vector>

#include "runtime/ui/control_def.h"
#include "runtime/ui/control_set.h"

// Creates a window's controls from its control table as children of the
// window's client widget, placed in dialog units of the window's font, with
// their fonts, colours, tooltips, status texts and marks. The set belongs to
// the window.
ControlSet* buildControls(const std::vector<ControlDef>& table, QWidget* window);
