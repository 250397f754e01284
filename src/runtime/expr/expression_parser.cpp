#include "runtime/expr/expression_parser.h"

#include <algorithm>

#include "runtime/core/cp1251.h"
#include "runtime/expr/expression_lexer.h"

using ExpressionProgram::Node;
using ExpressionProgram::Op;
using ExpressionProgram::Program;
using Kind = ExpressionToken::Kind;

namespace {

// Deeper expressions are refused rather than risk the stack; a filter of a
// thousand characters stays far below.
constexpr int kMaxDepth = 256;

struct BuiltIn {
    const char16_t* name;
    Op op;
    int minArguments;
    int maxArguments;
};

constexpr BuiltIn kBuiltIns[] = {
    {u"UPPER", Op::Upper, 1, 1},
    {u"CLIP", Op::Clip, 1, 1},
    {u"SUB", Op::Sub, 3, 3},
    {u"INSTRING", Op::InString, 2, 4},
    {u"FUZZYMATCH", Op::FuzzyMatch, 2, 2},
};

struct Failure {
    ExpressionParseError error;
};

bool isWord(const ExpressionToken& token, QStringView word) {
    return token.kind == Kind::Name && token.source.compare(word, Qt::CaseInsensitive) == 0;
}

class Parser {
public:
    Parser(QStringView text, const ExpressionContext& context) : context_(context) {
        ExpressionLexer lexer(text);
        do
            tokens_.push_back(lexer.next());
        while (tokens_.back().kind != Kind::End && tokens_.back().kind != Kind::Invalid);
        program_.layouts = context.layouts();
    }

    Program run() {
        if (current().kind == Kind::End) fail(1, QStringLiteral("пустое выражение"));
        program_.root = parseOr();
        if (current().kind != Kind::End) unexpected();
        return std::move(program_);
    }

private:
    const ExpressionToken& current() const { return tokens_[index_]; }
    const ExpressionToken& take() {
        return tokens_[index_ < tokens_.size() - 1 ? index_++ : index_];
    }
    bool accept(Kind kind) {
        if (current().kind != kind) return false;
        take();
        return true;
    }
    bool acceptWord(QStringView word) {
        if (!isWord(current(), word)) return false;
        take();
        return true;
    }

    [[noreturn]] void fail(int position, const QString& detail) {
        throw Failure{{position, detail}};
    }
    [[noreturn]] void unexpected() {
        const ExpressionToken& token = current();
        if (token.kind == Kind::Invalid) fail(token.position, token.text);
        if (token.kind == Kind::End)
            fail(token.position, QStringLiteral("неожиданный конец выражения"));
        fail(token.position, QStringLiteral("неожиданное «%1»").arg(token.source));
    }

    int add(Node node, int position) {
        int depth = 1;
        for (const int argument : node.arguments)
            depth = std::max(depth, depths_[argument] + 1);
        if (depth > kMaxDepth) fail(position, QStringLiteral("выражение слишком сложное"));
        program_.nodes.push_back(std::move(node));
        depths_.push_back(depth);
        return static_cast<int>(program_.nodes.size()) - 1;
    }
    int add(Op op, std::vector<int> arguments, int position) {
        return add(Node{op, std::move(arguments)}, position);
    }

    // Guards the parser's own recursion as add() guards the tree.
    struct Nesting {
        Parser& parser;
        explicit Nesting(Parser& p) : parser(p) {
            if (++parser.nesting_ > kMaxDepth)
                parser.fail(parser.current().position, QStringLiteral("выражение слишком сложное"));
        }
        ~Nesting() { --parser.nesting_; }
    };

    int parseOr() {
        int left = parseAnd();
        while (isWord(current(), u"OR")) {
            const int position = take().position;
            left = add(Op::Or, {left, parseAnd()}, position);
        }
        return left;
    }

    int parseAnd() {
        int left = parseNot();
        while (isWord(current(), u"AND")) {
            const int position = take().position;
            left = add(Op::And, {left, parseNot()}, position);
        }
        return left;
    }

    int parseNot() {
        const Nesting guard(*this);
        if (isWord(current(), u"NOT")) {
            const int position = take().position;
            return add(Op::Not, {parseNot()}, position);
        }
        return parseComparison();
    }

    int parseComparison() {
        int left = parseConcat();
        for (;;) {
            Op op;
            switch (current().kind) {
                case Kind::Equal:
                    op = Op::Equal;
                    break;
                case Kind::NotEqual:
                    op = Op::NotEqual;
                    break;
                case Kind::Less:
                    op = Op::Less;
                    break;
                case Kind::LessEqual:
                    op = Op::LessEqual;
                    break;
                case Kind::Greater:
                    op = Op::Greater;
                    break;
                case Kind::GreaterEqual:
                    op = Op::GreaterEqual;
                    break;
                default:
                    return left;
            }
            const int position = take().position;
            left = add(op, {left, parseConcat()}, position);
        }
    }

    int parseConcat() {
        int left = parseAdditive();
        while (current().kind == Kind::Ampersand) {
            const int position = take().position;
            left = add(Op::Concat, {left, parseAdditive()}, position);
        }
        return left;
    }

    int parseAdditive() {
        int left = parseTerm();
        while (current().kind == Kind::Plus || current().kind == Kind::Minus) {
            const ExpressionToken& token = take();
            const Op op = token.kind == Kind::Plus ? Op::Add : Op::Subtract;
            left = add(op, {left, parseTerm()}, token.position);
        }
        return left;
    }

    int parseTerm() {
        int left = parseUnary();
        while (current().kind == Kind::Star || current().kind == Kind::Slash) {
            const ExpressionToken& token = take();
            const Op op = token.kind == Kind::Star ? Op::Multiply : Op::Divide;
            left = add(op, {left, parseUnary()}, token.position);
        }
        return left;
    }

    int parseUnary() {
        const Nesting guard(*this);
        if (current().kind == Kind::Minus) {
            const int position = take().position;
            return add(Op::Negate, {parseUnary()}, position);
        }
        return parsePrimary();
    }

    int parsePrimary() {
        const ExpressionToken& token = current();
        switch (token.kind) {
            case Kind::Number: {
                Node node{Op::Number, {}};
                node.number = take().number;
                return add(std::move(node), token.position);
            }
            case Kind::Text:
                return add(textNode(take()), token.position);
            case Kind::LeftParen: {
                take();
                const int inner = parseOr();
                if (!accept(Kind::RightParen))
                    fail(current().position, QStringLiteral("ожидается ')'"));
                return inner;
            }
            case Kind::Name:
                if (isWord(token, u"AND") || isWord(token, u"OR") || isWord(token, u"NOT")) break;
                take();
                if (current().kind == Kind::LeftParen) return parseCall(token);
                return add(nameNode(token), token.position);
            default:
                break;
        }
        unexpected();
    }

    Node textNode(const ExpressionToken& token) {
        qsizetype bad = -1;
        const auto bytes = Cp1251::encode(token.text, &bad);
        if (!bytes) {
            fail(token.position,
                 QStringLiteral("знак «%1» нельзя использовать в тексте").arg(token.text[bad]));
        }
        Node node{Op::Text, {}};
        node.text = bytes->toStdString();
        return node;
    }

    Node nameNode(const ExpressionToken& token) {
        if (const auto* binding = context_.binding(token.source)) {
            Node node{Op::Binding, {}};
            node.slot = static_cast<int>(program_.bindings.size());
            program_.bindings.push_back(binding->getter);
            return node;
        }
        const qsizetype colon = token.source.indexOf(u':');
        bool prefixKnown = false;
        for (size_t i = 0; colon > 0 && i < program_.layouts.size(); ++i) {
            const RecordLayout& layout = *program_.layouts[i];
            prefixKnown |=
                token.source.left(colon).compare(layout.prefix(), Qt::CaseInsensitive) == 0;
            const int field = layout.indexOf(token.source);
            if (field >= 0) {
                Node node{Op::Field, {}};
                node.layout = static_cast<int>(i);
                node.slot = field;
                return node;
            }
        }
        fail(token.position, (prefixKnown ? QStringLiteral("неизвестное поле «%1»")
                                          : QStringLiteral("неизвестное имя «%1»"))
                                 .arg(token.source));
    }

    std::vector<int> parseArguments() {
        std::vector<int> arguments;
        take();  // (
        if (accept(Kind::RightParen)) return arguments;
        do
            arguments.push_back(parseOr());
        while (accept(Kind::Comma));
        if (!accept(Kind::RightParen)) fail(current().position, QStringLiteral("ожидается ')'"));
        return arguments;
    }

    void checkCount(const ExpressionToken& name, size_t count, int least, int most) {
        if (static_cast<int>(count) >= least && static_cast<int>(count) <= most) return;
        const QString needed = least == most ? QString::number(least)
                                             : QStringLiteral("от %1 до %2").arg(least).arg(most);
        fail(name.position, QStringLiteral("функции %1 нужно аргументов: %2, дано: %3")
                                .arg(name.source.toString().toUpper(), needed)
                                .arg(count));
    }

    int parseCall(const ExpressionToken& name) {
        std::vector<int> arguments = parseArguments();
        if (const auto* custom = context_.function(name.source)) {
            checkCount(name, arguments.size(), custom->argumentCount, custom->argumentCount);
            Node node{Op::Custom, std::move(arguments)};
            node.slot = static_cast<int>(program_.functions.size());
            program_.functions.push_back(custom->function);
            return add(std::move(node), name.position);
        }
        const auto builtIn =
            std::find_if(std::begin(kBuiltIns), std::end(kBuiltIns), [&](const BuiltIn& b) {
                return name.source.compare(QStringView(b.name), Qt::CaseInsensitive) == 0;
            });
        if (builtIn == std::end(kBuiltIns))
            fail(name.position, QStringLiteral("неизвестная функция «%1»").arg(name.source));
        checkCount(name, arguments.size(), builtIn->minArguments, builtIn->maxArguments);
        while (static_cast<int>(arguments.size()) < builtIn->maxArguments) {
            Node one{Op::Number, {}};  // INSTRING's step and start default to 1
            one.number = 1;
            arguments.push_back(add(std::move(one), name.position));
        }
        Node node{builtIn->op, std::move(arguments)};
        if (node.op == Op::FuzzyMatch) node.slot = program_.fuzzyCount++;
        return add(std::move(node), name.position);
    }

    const ExpressionContext& context_;
    std::vector<ExpressionToken> tokens_;
    size_t index_ = 0;
    Program program_;
    std::vector<int> depths_;
    int nesting_ = 0;
};

}  // namespace

std::variant<Program, ExpressionParseError> parseExpression(QStringView text,
                                                            const ExpressionContext& context) {
    try {
        return Parser(text, context).run();
    } catch (const Failure& failure) {
        return failure.error;
    }
}
