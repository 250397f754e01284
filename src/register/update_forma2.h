#pragma once

#include <functional>

#include "runtime/ui/window_context.h"

// The certificate form. Runs in the caller's context on the request in
// context.globalRequest() and the certificate in the context's FORMA3
// buffer: insert and change open the form, delete deletes at once without
// a window or a question. done gets the answer when the form has closed
// (at once for delete); it is also left in context.globalResponse().
void UpdateForma2(WindowContext& context, std::function<void(Response)> done);
