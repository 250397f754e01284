#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QVariant>
#include <variant>

#include "runtime/core/record_buffer.h"
#include "runtime/core/record_layout.h"
#include "runtime/expr/expression.h"

// A small certificate-like record and the program values the filters name.
inline const RecordLayout& testLayout() {
    static const RecordLayout layout(QStringLiteral("FORMA3"), QStringLiteral("FR3"),
                                     {{"NFORM", FieldType::Decimal, 5},
                                      {"DATAV", FieldType::Long, 0},
                                      {"COMMENT", FieldType::String, 9},
                                      {"OPIS", FieldType::String, 10},
                                      {"S2", FieldType::String, 20},
                                      {"CHEK", FieldType::Byte, 0},
                                      {"SUMMA", FieldType::Decimal, 4, 2}});
    return layout;
}

namespace TestField {
enum : int { NFORM, DATAV, COMMENT, OPIS, S2, CHEK, SUMMA };
}

class ExpressionTest : public ::testing::Test {
protected:
    ExpressionTest() : record_(testLayout()) {
        context_.addLayout(testLayout());
        context_.bind(QStringLiteral("d1"), [this] { return QVariant(d1_); });
        context_.bind(QStringLiteral("d2"), [this] { return QVariant(d2_); });
        context_.bind(QStringLiteral("comment"), [this] { return QVariant(comment_); });
        context_.bind(QStringLiteral("FuzzyQuery4"), [this] { return QVariant(query_); });
        fill(123, 81649, u"Выдано", u"Молоко", u"ООО Ромашка");
    }

    void fill(qint64 number, qint32 day, QStringView comment, QStringView opis, QStringView s2) {
        record_.clear();
        record_.setInteger(TestField::NFORM, number);
        record_.setInteger(TestField::DATAV, day);
        record_.setText(TestField::COMMENT, comment);
        record_.setText(TestField::OPIS, opis);
        record_.setText(TestField::S2, s2);
    }

    Expression compiled(const QString& text) {
        auto result = Expression::compile(text, context_);
        if (auto* error = std::get_if<ExpressionError>(&result)) {
            ADD_FAILURE() << text.toStdString() << ": " << error->message.toStdString();
            return std::get<Expression>(Expression::compile(u"0", context_));
        }
        return std::get<Expression>(std::move(result));
    }

    QVariant eval(const char* text) { return compiled(QString::fromUtf8(text)).evaluate(&record_); }
    bool holds(const char* text) { return compiled(QString::fromUtf8(text)).isTrue(&record_); }

    // The message of an expression that must not compile; empty when it compiles.
    QString refusal(const QString& text) {
        auto result = Expression::compile(text, context_);
        const auto* error = std::get_if<ExpressionError>(&result);
        return error ? error->message : QString();
    }

    ExpressionContext context_;
    RecordBuffer record_;
    qint64 d1_ = 0;
    qint64 d2_ = 0;
    QString comment_;
    QString query_;
};
