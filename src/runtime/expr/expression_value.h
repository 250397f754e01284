#pragma once

#include <QVariant>
#include <optional>
#include <string>
#include <string_view>

// One value met while evaluating: a number or a cp1251 text. Texts are views
// into the record, a literal or a node's buffer, valid for one evaluation.
// Booleans are the numbers 1 and 0.
struct ExpressionValue {
    bool isText = false;
    double number = 0;
    std::string_view text;

    static ExpressionValue ofNumber(double n) { return {false, n, {}}; }
    static ExpressionValue ofBool(bool b) { return {false, b ? 1.0 : 0.0, {}}; }
    static ExpressionValue ofText(std::string_view t) { return {true, 0, t}; }
};

namespace ExpressionValues {

// The plain text of a number: "12", "-3.5".
void appendNumber(std::string& out, double number);
// The value as text; a number is written into `buffer`.
std::string_view textOf(const ExpressionValue& value, std::string& buffer);
// A text holding nothing but a number (blanks around it allowed).
std::optional<double> numberInText(std::string_view text);
// Texts that are no number count as 0.
double numberOf(const ExpressionValue& value);
bool isTrue(const ExpressionValue& value);
std::string_view clipped(std::string_view text);
// Negative, zero or positive. Numbers compare numerically; texts byte by byte
// ignoring trailing blanks, letter case kept; a number and a text numerically
// when the text is a number, else as texts.
int compare(const ExpressionValue& left, const ExpressionValue& right);

// A program value as met in an expression: texts in cp1251 (written into
// `buffer`), dates as day numbers, booleans as 1 and 0, nothing as 0.
ExpressionValue fromVariant(const QVariant& value, std::string& buffer);
// Whole numbers as qint64, other numbers as double, texts as QString.
QVariant toVariant(const ExpressionValue& value);

}  // namespace ExpressionValues
