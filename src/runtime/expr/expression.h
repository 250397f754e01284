#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <span>
#include <variant>

#include "runtime/core/record_buffer.h"
#include "runtime/expr/expression_context.h"
#include "runtime/expr/expression_evaluator.h"

// The expressions of list orders, view filters and query-by-example:
//   FR3:Nform&' '&FR3:opis      fields by label, any letter case
//   (d1<=fr3:datav) and (fr3:comment=comment)
//   INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1)
// Values are numbers or texts. Literals: 'text' ('' for a quote), 12, 3.5.
// Operators: & + - * / (division by zero gives 0), unary minus,
// = <> < <= > >=, AND, OR, NOT. Functions: UPPER(s) (Latin and Cyrillic),
// CLIP(s) (no trailing blanks), SUB(s, start, length), INSTRING(part, s[, step
// [, start]]), FuzzyMatch(query, text) (0..100), and those of the context.
// A text field reads at its full width, a number field as its number (dates
// as day numbers); as text a number is its plain digits. Comparison: numbers
// numerically, texts ignoring trailing blanks with letter case kept, a number
// and a text numerically when the text is a number. True is 1, false 0; a
// text is true when not blank.
struct ExpressionError {
    int position;  // 1-based character where the fault lies
    QString message;  // "Ошибка в выражении, позиция 12: ожидается ')'"
};

// Compiled once, evaluated per record. An expression is used by one thread
// at a time; give each thread its own copy.
class Expression {
public:
    static std::variant<Expression, ExpressionError> compile(QStringView text,
                                                             const ExpressionContext& context);

    const QString& text() const { return text_; }

    // records[i] is the record of the context's i-th layout.
    QVariant evaluate(std::span<const RecordBuffer* const> records) const;
    QVariant evaluate(const RecordBuffer* record = nullptr) const;
    bool isTrue(std::span<const RecordBuffer* const> records) const;
    bool isTrue(const RecordBuffer* record = nullptr) const;
    // Texts that are no number give 0.
    double number(const RecordBuffer* record = nullptr) const;

private:
    Expression(QString text, ExpressionEvaluator evaluator)
        : text_(std::move(text)), evaluator_(std::move(evaluator)) {}

    ExpressionValue run(const RecordBuffer* record) const;

    QString text_;
    mutable ExpressionEvaluator evaluator_;
};
