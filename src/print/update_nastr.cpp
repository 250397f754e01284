#include "print/update_nastr.h"

#include "print/profile_form.h"
#include "print/update_nastr_layout.h"
#include "print/update_nastr_window.h"
#include "runtime/ui/procedure_window.h"

void UpdateNastr(WindowContext& context, std::function<void(Response)> done) {
    auto scope = std::make_unique<ProcedureScope>(context, ProfileForm::kProcedure);
    auto form = std::make_unique<ProfileForm>(context);
    if (!form->readActive()) {
        form.reset();
        scope.reset();
        context.setGlobalResponse(Response::Cancelled);
        return done(Response::Cancelled);
    }
    auto* window =
        new UpdateNastrWindow(context, std::move(scope), std::move(form), std::move(done));
    openProcedureWindow(window, ProfileForm::kProcedure, UpdateNastrLayout::kClientSize);
    window->setFocus();
}
