#include "runtime/expr/expression_context.h"

#include <algorithm>

namespace {

// Works for const and mutable lists alike.
template <typename Items>
auto findNamed(Items& items, QStringView name) -> decltype(&*items.begin()) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const auto& item) {
        return name.compare(item.name, Qt::CaseInsensitive) == 0;
    });
    return it == items.end() ? nullptr : &*it;
}

}  // namespace

void ExpressionContext::bind(const QString& name, Getter getter) {
    if (Binding* existing = findNamed(bindings_, name))
        existing->getter = std::move(getter);
    else
        bindings_.push_back({name, std::move(getter)});
}

void ExpressionContext::addFunction(const QString& name, int argumentCount, Function function) {
    if (CustomFunction* existing = findNamed(functions_, name))
        *existing = {name, argumentCount, std::move(function)};
    else
        functions_.push_back({name, argumentCount, std::move(function)});
}

const ExpressionContext::Binding* ExpressionContext::binding(QStringView name) const {
    return findNamed(bindings_, name);
}

const ExpressionContext::CustomFunction* ExpressionContext::function(QStringView name) const {
    return findNamed(functions_, name);
}
