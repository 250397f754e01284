#pragma once

#include <memory>

#include "runtime/core/error_manager.h"

// Passes a report's table messages on to where the user sees them and notes
// the fatal ones: a read that failed hands back an empty page, just as the
// end of the table does, and a report must not end as if complete.
class FailureWatch : public ErrorManager {
public:
    explicit FailureWatch(std::unique_ptr<ErrorManager> shown) : shown_(std::move(shown)) {}

    bool show(const ErrorMessage& message) override;
    bool failed() const { return failures_ > 0; }

private:
    std::unique_ptr<ErrorManager> shown_;
    int failures_ = 0;
};
