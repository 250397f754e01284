#include "runtime/ui/window_context.h"

#include "runtime/ui/message_box_error_manager.h"

namespace {

std::unique_ptr<ErrorManager> orMessageBoxes(std::unique_ptr<ErrorManager> errors,
                                             const WindowContext* context) {
    if (errors) return errors;
    return std::make_unique<MessageBoxErrorManager>([context] { return context->window(); });
}

}  // namespace

WindowContext::WindowContext(const QString& procedure, const Schema& schema,
                             std::unique_ptr<ErrorManager> errors)
    : procedure_(procedure),
      errors_(orMessageBoxes(std::move(errors), this)),
      tables_(schema, *errors_) {
    errors_->setProcedure(procedure);
}

ProcedureScope::ProcedureScope(WindowContext& context, const QString& name)
    : context_(context),
      callerName_(context.errors().procedure()),
      callerWindow_(context.window()),
      request_(context.globalRequest()) {
    context.errors().setProcedure(name);
    context.setGlobalRequest(Request::None);
    context.setGlobalResponse(Response::None);
}

ProcedureScope::~ProcedureScope() {
    context_.errors().setProcedure(callerName_);
    context_.setWindow(callerWindow_);
}
