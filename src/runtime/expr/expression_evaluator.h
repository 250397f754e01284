#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/core/record_buffer.h"
#include "runtime/expr/expression_program.h"
#include "runtime/expr/expression_value.h"
#include "runtime/expr/fuzzy_matcher.h"

// Walks a compiled program over records. Each node keeps its own text
// buffer, so after the first records an evaluation allocates nothing; that
// makes an evaluator usable by one thread at a time (a copy is independent).
class ExpressionEvaluator {
public:
    explicit ExpressionEvaluator(std::shared_ptr<const ExpressionProgram::Program> program);

    // The result's text stays valid until the next evaluation.
    ExpressionValue evaluate(std::span<const RecordBuffer* const> records);

private:
    struct FuzzyCache {
        std::string query;
        std::optional<FuzzyMatcher::PreparedQuery> prepared;
    };

    using Node = ExpressionProgram::Node;

    ExpressionValue eval(int index);
    ExpressionValue argument(const Node& node, int which) { return eval(node.arguments[which]); }
    ExpressionValue field(const Node& node) const;
    ExpressionValue binding(const Node& node, std::string& buffer) const;
    ExpressionValue arithmetic(const Node& node);
    ExpressionValue comparison(const Node& node);
    ExpressionValue concat(const Node& node, std::string& buffer);
    ExpressionValue upper(const Node& node, std::string& buffer);
    ExpressionValue sub(const Node& node, std::string& buffer);
    ExpressionValue inString(const Node& node, std::string& buffer);
    ExpressionValue fuzzyMatch(const Node& node, std::string& buffer);
    ExpressionValue custom(const Node& node, std::string& buffer);

    std::shared_ptr<const ExpressionProgram::Program> program_;
    std::vector<std::string> buffers_;  // one per node
    std::vector<FuzzyCache> fuzzy_;
    std::span<const RecordBuffer* const> records_;
};
