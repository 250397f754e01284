#include "data/browse_bd.h"

#include "data/browse_bd_window.h"
#include "data/schema.h"
#include "data/selection_controls.h"
#include "runtime/ui/procedure_window.h"

void BrowseBD() {
    auto* window = new BrowseBdWindow(
        std::make_unique<WindowContext>(QStringLiteral("BrowseBD"), vetdocsSchema()));
    if (!window->selection().isOpen()) {
        delete window;  // the tables' message is shown
        return;
    }
    openProcedureWindow(window, QStringLiteral("BrowseBD"), SelectionControls::kBrowseSize);
    window->setFocus();
}
