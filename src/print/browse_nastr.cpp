#include "print/browse_nastr.h"

#include "data/schema.h"
#include "print/browse_nastr_layout.h"
#include "print/browse_nastr_window.h"
#include "runtime/ui/procedure_window.h"

void BrowseNastr() {
    auto* window = new BrowseNastrWindow(
        std::make_unique<WindowContext>(QStringLiteral("BrowseNastr"), vetdocsSchema()));
    if (!window->isOpen()) {
        delete window;  // the table's message is shown
        return;
    }
    openProcedureWindow(window, QStringLiteral("BrowseNastr"), BrowseNastrLayout::kClientSize);
    window->setFocus();
}
