#pragma once

#include <Qt>
#include <optional>

#include "runtime/ui/toolbar_client.h"

// The toolbar action a key pressed in a browse list stands for.
std::optional<ToolbarAction> browseKeyAction(int key, Qt::KeyboardModifiers modifiers);
