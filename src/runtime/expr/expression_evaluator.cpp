#include "runtime/expr/expression_evaluator.h"

#include <array>
#include <cmath>

#include "runtime/core/cp1251.h"

using ExpressionProgram::Op;
using namespace ExpressionValues;

namespace {

const std::array<unsigned char, 256>& upperTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = Cp1251::upper(static_cast<unsigned char>(b));
        return t;
    }();
    return table;
}

double powerOfTen(int exponent) {
    static const std::array<double, 19> powers = [] {
        std::array<double, 19> p{};
        p[0] = 1;
        for (size_t i = 1; i < p.size(); ++i)
            p[i] = p[i - 1] * 10;
        return p;
    }();
    return powers[std::min<size_t>(exponent, powers.size() - 1)];
}

// A count or position argument: whole, and never below `least`.
qsizetype wholeAtLeast(const ExpressionValue& value, qsizetype least) {
    const double n = numberOf(value);
    if (!(n >= least)) return least;  // NaN included
    return n > 1e9 ? qsizetype(1e9) : static_cast<qsizetype>(n);
}

}  // namespace

ExpressionEvaluator::ExpressionEvaluator(std::shared_ptr<const ExpressionProgram::Program> program)
    : program_(std::move(program)),
      buffers_(program_->nodes.size()),
      fuzzy_(program_->fuzzyCount) {}

ExpressionValue ExpressionEvaluator::evaluate(std::span<const RecordBuffer* const> records) {
    records_ = records;
    return eval(program_->root);
}

ExpressionValue ExpressionEvaluator::eval(int index) {
    const Node& node = program_->nodes[index];
    std::string& buffer = buffers_[index];
    switch (node.op) {
        case Op::Number:
            return ExpressionValue::ofNumber(node.number);
        case Op::Text:
            return ExpressionValue::ofText(node.text);
        case Op::Field:
            return field(node);
        case Op::Binding:
            return binding(node, buffer);
        case Op::Negate:
            return ExpressionValue::ofNumber(-numberOf(argument(node, 0)));
        case Op::Not:
            return ExpressionValue::ofBool(!isTrue(argument(node, 0)));
        case Op::And:
            return ExpressionValue::ofBool(isTrue(argument(node, 0)) && isTrue(argument(node, 1)));
        case Op::Or:
            return ExpressionValue::ofBool(isTrue(argument(node, 0)) || isTrue(argument(node, 1)));
        case Op::Add:
        case Op::Subtract:
        case Op::Multiply:
        case Op::Divide:
            return arithmetic(node);
        case Op::Equal:
        case Op::NotEqual:
        case Op::Less:
        case Op::LessEqual:
        case Op::Greater:
        case Op::GreaterEqual:
            return comparison(node);
        case Op::Concat:
            return concat(node, buffer);
        case Op::Upper:
            return upper(node, buffer);
        case Op::Clip:
            return ExpressionValue::ofText(clipped(textOf(argument(node, 0), buffer)));
        case Op::Sub:
            return sub(node, buffer);
        case Op::InString:
            return inString(node, buffer);
        case Op::FuzzyMatch:
            return fuzzyMatch(node, buffer);
        case Op::Custom:
            return custom(node, buffer);
    }
    return ExpressionValue::ofNumber(0);
}

// A text field at its full width; a record of another layout, or none, reads blank.
ExpressionValue ExpressionEvaluator::field(const Node& node) const {
    const RecordLayout* layout = program_->layouts[node.layout];
    const Field& described = layout->field(node.slot);
    const auto layoutIndex = static_cast<size_t>(node.layout);
    const RecordBuffer* record = layoutIndex < records_.size() ? records_[layoutIndex] : nullptr;
    const bool readable = record && &record->layout() == layout;
    if (described.type == FieldType::String) {
        if (!readable) return ExpressionValue::ofText({});
        return ExpressionValue::ofText(
            {record->image().constData() + described.offset, static_cast<size_t>(described.size)});
    }
    if (!readable) return ExpressionValue::ofNumber(0);
    return ExpressionValue::ofNumber(static_cast<double>(record->scaled(node.slot)) /
                                     powerOfTen(described.places));
}

ExpressionValue ExpressionEvaluator::binding(const Node& node, std::string& buffer) const {
    return fromVariant(program_->bindings[node.slot](), buffer);
}

ExpressionValue ExpressionEvaluator::arithmetic(const Node& node) {
    const double a = numberOf(argument(node, 0));
    const double b = numberOf(argument(node, 1));
    switch (node.op) {
        case Op::Add:
            return ExpressionValue::ofNumber(a + b);
        case Op::Subtract:
            return ExpressionValue::ofNumber(a - b);
        case Op::Multiply:
            return ExpressionValue::ofNumber(a * b);
        default:
            return ExpressionValue::ofNumber(b == 0 ? 0 : a / b);
    }
}

ExpressionValue ExpressionEvaluator::comparison(const Node& node) {
    const int order = compare(argument(node, 0), argument(node, 1));
    switch (node.op) {
        case Op::Equal:
            return ExpressionValue::ofBool(order == 0);
        case Op::NotEqual:
            return ExpressionValue::ofBool(order != 0);
        case Op::Less:
            return ExpressionValue::ofBool(order < 0);
        case Op::LessEqual:
            return ExpressionValue::ofBool(order <= 0);
        case Op::Greater:
            return ExpressionValue::ofBool(order > 0);
        default:
            return ExpressionValue::ofBool(order >= 0);
    }
}

ExpressionValue ExpressionEvaluator::concat(const Node& node, std::string& buffer) {
    const ExpressionValue left = argument(node, 0);
    const ExpressionValue right = argument(node, 1);
    buffer.clear();
    for (const ExpressionValue& part : {left, right}) {
        if (part.isText)
            buffer.append(part.text);
        else
            appendNumber(buffer, part.number);
    }
    return ExpressionValue::ofText(buffer);
}

ExpressionValue ExpressionEvaluator::upper(const Node& node, std::string& buffer) {
    const ExpressionValue value = argument(node, 0);
    const std::string_view text = textOf(value, buffer);
    const auto& table = upperTable();
    buffer.resize(text.size());  // a number's text is already in the buffer: folding keeps it
    for (size_t i = 0; i < text.size(); ++i)
        buffer[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
    return ExpressionValue::ofText(buffer);
}

// SUB(text, start, length), 1-based; a part beyond the text is cut off.
ExpressionValue ExpressionEvaluator::sub(const Node& node, std::string& buffer) {
    const std::string_view text = textOf(argument(node, 0), buffer);
    const auto start = static_cast<size_t>(wholeAtLeast(argument(node, 1), 1) - 1);
    const auto length = static_cast<size_t>(wholeAtLeast(argument(node, 2), 0));
    if (start >= text.size()) return ExpressionValue::ofText({});
    return ExpressionValue::ofText(text.substr(start, length));
}

// INSTRING(part, text, step, start): the part is tried at start, start+step ...;
// the answer counts in steps from the text's beginning (the character
// position when step is 1), 0 when not found.
ExpressionValue ExpressionEvaluator::inString(const Node& node, std::string& buffer) {
    std::string partBuffer;  // a number's text is short: no heap
    const std::string_view part = textOf(argument(node, 0), partBuffer);
    const std::string_view text = textOf(argument(node, 1), buffer);
    const auto step = static_cast<size_t>(wholeAtLeast(argument(node, 2), 1));
    auto at = static_cast<size_t>(wholeAtLeast(argument(node, 3), 1) - 1);
    if (part.empty()) return ExpressionValue::ofNumber(0);
    if (step == 1) {
        const size_t found = text.find(part, at);
        return ExpressionValue::ofNumber(found == std::string_view::npos ? 0 : found + 1);
    }
    for (; at + part.size() <= text.size(); at += step)
        if (text.compare(at, part.size(), part) == 0)
            return ExpressionValue::ofNumber(at / step + 1);
    return ExpressionValue::ofNumber(0);
}

// The query is prepared again only when its text changes.
ExpressionValue ExpressionEvaluator::fuzzyMatch(const Node& node, std::string& buffer) {
    FuzzyCache& cache = fuzzy_[node.slot];
    const ExpressionValue queryValue = argument(node, 0);
    const std::string_view query = textOf(queryValue, buffer);
    if (!cache.prepared || cache.query != query) {
        cache.query.assign(query);
        cache.prepared = FuzzyMatcher::PreparedQuery::fromCp1251(query);
    }
    const std::string_view text = textOf(argument(node, 1), buffer);
    return ExpressionValue::ofNumber(cache.prepared->score(text));
}

ExpressionValue ExpressionEvaluator::custom(const Node& node, std::string& buffer) {
    QVariantList arguments;
    for (size_t i = 0; i < node.arguments.size(); ++i)
        arguments.push_back(toVariant(argument(node, static_cast<int>(i))));
    return fromVariant(program_->functions[node.slot](arguments), buffer);
}
