#pragma once

#include <functional>

#include "runtime/ui/window_context.h"

// The forms of the selection window, called by its lists in their context
// with the request in context.globalRequest() and the record in the
// context's RIDGEN or CONFIG buffer. done gets the response once the form
// has closed; at once for a delete, which opens no window.
void UpdateBD(WindowContext& context, std::function<void(Response)> done);
void UpdateConfig(WindowContext& context, std::function<void(Response)> done);
