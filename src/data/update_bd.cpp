#include "data/update_bd.h"

#include "data/selection_controls.h"
#include "data/selection_form_window.h"
#include "data/selection_forms.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/window_host.h"

namespace {

template <typename Form>
void runForm(WindowContext& context, const SelectionFormLook& look,
             std::function<void(Response)> done) {
    auto scope = std::make_unique<ProcedureScope>(context, Form::kName);
    auto form = std::make_unique<Form>(context, scope->request());
    if (form->request() == Request::Delete || !form->isOpen()) {
        const bool removed = form->request() == Request::Delete && form->remove();
        form.reset();
        scope.reset();
        const Response response = removed ? Response::Completed : Response::Cancelled;
        context.setGlobalResponse(response);
        return done(response);
    }
    auto* window =
        new SelectionFormWindow(context, std::move(scope), std::move(form), look, std::move(done));
    openProcedureWindow(window, Form::kName, look.size);
    WindowHost::instance().setWindowAction(window, window->form().actionText());
    window->setFocus();
}

}  // namespace

void UpdateBD(WindowContext& context, std::function<void(Response)> done) {
    static const SelectionFormLook look{
        QStringLiteral("[Форма редактирования]"), SelectionControls::kUpdateBdSize,
        &SelectionControls::updateBd(), QStringLiteral("?RID:NAME")};
    runForm<HeadOrganisationForm>(context, look, std::move(done));
}

void UpdateConfig(WindowContext& context, std::function<void(Response)> done) {
    static const SelectionFormLook look{
        QStringLiteral("Конфигурирование соединения с БД"), SelectionControls::kUpdateConfigSize,
        &SelectionControls::updateConfig(), QStringLiteral("?KON:NAME")};
    runForm<DataFolderForm>(context, look, std::move(done));
}
