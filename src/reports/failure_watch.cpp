#include "reports/failure_watch.h"

bool FailureWatch::show(const ErrorMessage& message) {
    if (message.severity == Severity::Fatal) ++failures_;
    shown_->setProcedure(procedure());
    return shown_->show(message);
}
