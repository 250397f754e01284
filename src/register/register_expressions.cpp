#include "register/register_expressions.h"

#include "data/forma3.h"

namespace RegisterExpressions {

ExpressionContext context(std::function<QString()> query) {
    ExpressionContext context;
    context.addLayout(FR3::layout());
    context.bind(QStringLiteral("FuzzyQuery4"),
                 [query = std::move(query)] { return QVariant(query ? query() : QString()); });
    return context;
}

}  // namespace RegisterExpressions
