#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/expr/expression_context.h"

// A compiled expression: a tree of nodes in one array, children before their
// parent, evaluated as often as needed without parsing again.
namespace ExpressionProgram {

enum class Op {
    Number,   // literal `number`
    Text,     // literal `text`, cp1251
    Field,    // `layout`, `slot` = field index
    Binding,  // `slot` into Program::bindings
    Negate,
    Not,
    And,
    Or,
    Add,
    Subtract,
    Multiply,
    Divide,
    Concat,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Upper,
    Clip,
    Sub,
    InString,
    FuzzyMatch,  // `slot`: its own prepared-query cache
    Custom,      // `slot` into Program::functions
};

struct Node {
    Op op;
    std::vector<int> arguments;  // node indices
    double number = 0;
    std::string text;
    int layout = 0;
    int slot = 0;
};

struct Program {
    std::vector<Node> nodes;
    int root = -1;
    std::vector<const RecordLayout*> layouts;
    std::vector<ExpressionContext::Getter> bindings;
    std::vector<ExpressionContext::Function> functions;
    int fuzzyCount = 0;
};

}  // namespace ExpressionProgram
