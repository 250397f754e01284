#pragma once

#include <functional>

#include "runtime/ui/window_context.h"

// The profile form, called by the profile list for its change command, in
// the list's context: it edits the active profile in the context's LAST
// buffer. done gets the answer once the form has closed (completed when
// the profile was saved); at once, cancelled, when there is no profile.
void UpdateNastr(WindowContext& context, std::function<void(Response)> done);
