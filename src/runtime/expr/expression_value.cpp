#include "runtime/expr/expression_value.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "runtime/core/cp1251.h"
#include "runtime/core/day_date.h"

namespace ExpressionValues {

namespace {

constexpr double kLargestWhole = 1e15;  // beyond it a double prints in its shortest form

std::string_view encodeInto(const QString& text, std::string& buffer) {
    buffer.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        buffer[i] = static_cast<char>(Cp1251::fromUnicode(text[i]).value_or('?'));
    return buffer;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return clipped(text);
}

int compareTexts(std::string_view a, std::string_view b) {
    a = clipped(a);
    b = clipped(b);
    const size_t common = std::min(a.size(), b.size());
    if (common > 0) {
        if (const int order = std::memcmp(a.data(), b.data(), common)) return order;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int compareNumbers(double a, double b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

}  // namespace

void appendNumber(std::string& out, double number) {
    char digits[32];
    std::to_chars_result end;
    if (number == std::trunc(number) && std::fabs(number) < kLargestWhole)
        end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(number));
    else
        end = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, end.ptr);
}

std::string_view textOf(const ExpressionValue& value, std::string& buffer) {
    if (value.isText) return value.text;
    buffer.clear();
    appendNumber(buffer, value.number);
    return buffer;
}

std::optional<double> numberInText(std::string_view text) {
    text = trimmed(text);
    size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    size_t digits = 0;
    bool point = false;
    for (size_t i = at; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    if (text[0] == '+') text.remove_prefix(1);
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

double numberOf(const ExpressionValue& value) {
    return value.isText ? numberInText(value.text).value_or(0.0) : value.number;
}

bool isTrue(const ExpressionValue& value) {
    return value.isText ? !clipped(value.text).empty() : value.number != 0;
}

std::string_view clipped(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

int compare(const ExpressionValue& left, const ExpressionValue& right) {
    if (!left.isText && !right.isText) return compareNumbers(left.number, right.number);
    if (left.isText && right.isText) return compareTexts(left.text, right.text);
    const ExpressionValue& text = left.isText ? left : right;
    const ExpressionValue& number = left.isText ? right : left;
    int order = 0;
    if (const auto n = numberInText(text.text)) {
        order = compareNumbers(number.number, *n);
    } else {
        std::string numberText;
        appendNumber(numberText, number.number);
        order = compareTexts(numberText, text.text);
    }
    return left.isText ? -order : order;
}

ExpressionValue fromVariant(const QVariant& value, std::string& buffer) {
    switch (value.typeId()) {
        case QMetaType::UnknownType:
            return ExpressionValue::ofNumber(0);
        case QMetaType::QString:
            return ExpressionValue::ofText(encodeInto(value.toString(), buffer));
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            buffer.assign(bytes.constData(), bytes.size());
            return ExpressionValue::ofText(buffer);
        }
        case QMetaType::QDate:
            return ExpressionValue::ofNumber(DayDate::fromDate(value.toDate()));
        case QMetaType::Bool:
            return ExpressionValue::ofBool(value.toBool());
        default:
            break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok) return ExpressionValue::ofNumber(number);
    return ExpressionValue::ofText(encodeInto(value.toString(), buffer));
}

QVariant toVariant(const ExpressionValue& value) {
    if (value.isText)
        return Cp1251::decode(value.text.data(), static_cast<qsizetype>(value.text.size()));
    if (value.number == std::trunc(value.number) && std::fabs(value.number) < kLargestWhole)
        return QVariant(static_cast<qint64>(value.number));
    return QVariant(value.number);
}

}  // namespace ExpressionValues
