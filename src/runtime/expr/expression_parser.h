#pragma once

#include <QString>
#include <QStringView>
#include <variant>

#include "runtime/expr/expression_context.h"
#include "runtime/expr/expression_program.h"

struct ExpressionParseError {
    int position;    // 1-based character of the expression
    QString detail;  // "ожидается ')'"
};

// Parses and resolves every name against the context, so that evaluation
// never meets an unknown one. Precedence, loosest first: OR; AND; NOT;
// = <> < <= > >=; &; + -; * /; unary minus.
std::variant<ExpressionProgram::Program, ExpressionParseError> parseExpression(
    QStringView text, const ExpressionContext& context);
