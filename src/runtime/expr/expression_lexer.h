#pragma once

#include <QString>
#include <QStringView>

// Splits an expression into tokens. Positions are 1-based characters of the
// expression text, as the error messages give them.
struct ExpressionToken {
    enum class Kind {
        End,
        Number,
        Text,
        Name,
        LeftParen,
        RightParen,
        Comma,
        Plus,
        Minus,
        Star,
        Slash,
        Ampersand,
        Equal,
        NotEqual,
        Less,
        LessEqual,
        Greater,
        GreaterEqual,
        Invalid,  // `text` says what is wrong
    };

    Kind kind = Kind::End;
    int position = 0;
    QStringView source;  // the token as written
    QString text;        // a text literal without its quotes; the fault of an Invalid token
    double number = 0;
};

class ExpressionLexer {
public:
    explicit ExpressionLexer(QStringView text) : text_(text) {}
    ExpressionToken next();

private:
    ExpressionToken make(ExpressionToken::Kind kind, qsizetype start, qsizetype length);
    ExpressionToken number(qsizetype start);
    ExpressionToken textLiteral(qsizetype start);
    ExpressionToken name(qsizetype start);
    ExpressionToken symbol(qsizetype start);

    QStringView text_;
    qsizetype at_ = 0;
};
