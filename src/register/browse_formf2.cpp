#include "register/browse_formf2.h"

#include "data/schema.h"
#include "register/browse_formf2_layout.h"
#include "register/browse_formf2_window.h"
#include "register/update_forma2.h"
#include "runtime/ui/procedure_window.h"

void BrowseFormf2() {
    auto context = std::make_unique<WindowContext>(RegisterModel::kProcedure, vetdocsSchema());
    auto model = std::make_unique<RegisterModel>(*context);
    if (!model->open()) return;  // the table layer has said why
    auto* window = new BrowseFormf2Window(std::move(context), std::move(model), UpdateForma2);
    openProcedureWindow(window, RegisterModel::kProcedure, BrowseFormf2Layout::kClientSize);
    window->setFocus();
}
