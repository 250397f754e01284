#include "register/update_forma2.h"

#include "register/update_forma2_window.h"

void UpdateForma2(WindowContext& context, std::function<void(Response)> done) {
    auto form = std::make_unique<CertificateForm>(context);
    const Request request = form->request();
    const bool known =
        request == Request::Insert || request == Request::Change || request == Request::Delete;
    if (!known || !form->open()) {
        form->finish(Response::Cancelled);
        form.reset();
        if (done) done(Response::Cancelled);
        return;
    }
    if (request == Request::Delete) {
        const Response response = form->deleteCertificate();
        form.reset();
        if (done) done(response);
        return;
    }
    (new UpdateForma2Window(std::move(form), std::move(done)))->open();
}
