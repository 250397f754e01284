#include "runtime/expr/expression.h"

#include "runtime/expr/expression_parser.h"

std::variant<Expression, ExpressionError> Expression::compile(QStringView text,
                                                              const ExpressionContext& context) {
    auto parsed = parseExpression(text, context);
    if (const auto* error = std::get_if<ExpressionParseError>(&parsed)) {
        return ExpressionError{error->position, QStringLiteral("Ошибка в выражении, позиция %1: %2")
                                                    .arg(error->position)
                                                    .arg(error->detail)};
    }
    auto program = std::make_shared<const ExpressionProgram::Program>(
        std::move(std::get<ExpressionProgram::Program>(parsed)));
    return Expression(text.toString(), ExpressionEvaluator(std::move(program)));
}

ExpressionValue Expression::run(const RecordBuffer* record) const {
    return evaluator_.evaluate(std::span<const RecordBuffer* const>(&record, 1));
}

QVariant Expression::evaluate(std::span<const RecordBuffer* const> records) const {
    return ExpressionValues::toVariant(evaluator_.evaluate(records));
}

QVariant Expression::evaluate(const RecordBuffer* record) const {
    return ExpressionValues::toVariant(run(record));
}

bool Expression::isTrue(std::span<const RecordBuffer* const> records) const {
    return ExpressionValues::isTrue(evaluator_.evaluate(records));
}

bool Expression::isTrue(const RecordBuffer* record) const {
    return ExpressionValues::isTrue(run(record));
}

double Expression::number(const RecordBuffer* record) const {
    return ExpressionValues::numberOf(run(record));
}
