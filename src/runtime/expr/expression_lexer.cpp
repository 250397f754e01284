#include "runtime/expr/expression_lexer.h"

using Kind = ExpressionToken::Kind;

namespace {

bool startsName(QChar c) {
    return c.isLetter() || c == u'_';
}
bool continuesName(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u':';
}

}  // namespace

ExpressionToken ExpressionLexer::make(Kind kind, qsizetype start, qsizetype length) {
    ExpressionToken token;
    token.kind = kind;
    token.position = static_cast<int>(start) + 1;
    token.source = text_.mid(start, length);
    at_ = start + length;
    return token;
}

ExpressionToken ExpressionLexer::next() {
    while (at_ < text_.size() && text_[at_].isSpace())
        ++at_;
    if (at_ >= text_.size()) return make(Kind::End, text_.size(), 0);
    const QChar c = text_[at_];
    if (c.isDigit() || (c == u'.' && at_ + 1 < text_.size() && text_[at_ + 1].isDigit()))
        return number(at_);
    if (c == u'\'') return textLiteral(at_);
    if (startsName(c)) return name(at_);
    return symbol(at_);
}

ExpressionToken ExpressionLexer::number(qsizetype start) {
    qsizetype end = start;
    while (end < text_.size() && text_[end].isDigit())
        ++end;
    if (end < text_.size() && text_[end] == u'.') {
        ++end;
        while (end < text_.size() && text_[end].isDigit())
            ++end;
    }
    ExpressionToken token = make(Kind::Number, start, end - start);
    token.number = token.source.toDouble();
    return token;
}

// 'text', with '' standing for one quote inside.
ExpressionToken ExpressionLexer::textLiteral(qsizetype start) {
    QString value;
    for (qsizetype i = start + 1; i < text_.size(); ++i) {
        if (text_[i] != u'\'') {
            value += text_[i];
        } else if (i + 1 < text_.size() && text_[i + 1] == u'\'') {
            value += u'\'';
            ++i;
        } else {
            ExpressionToken token = make(Kind::Text, start, i + 1 - start);
            token.text = value;
            return token;
        }
    }
    ExpressionToken token = make(Kind::Invalid, start, text_.size() - start);
    token.text = QStringLiteral("не закрыта кавычка");
    return token;
}

ExpressionToken ExpressionLexer::name(qsizetype start) {
    qsizetype end = start + 1;
    while (end < text_.size() && continuesName(text_[end]))
        ++end;
    return make(Kind::Name, start, end - start);
}

ExpressionToken ExpressionLexer::symbol(qsizetype start) {
    const QChar c = text_[start];
    const QChar after = start + 1 < text_.size() ? text_[start + 1] : QChar();
    switch (c.unicode()) {
        case u'(':
            return make(Kind::LeftParen, start, 1);
        case u')':
            return make(Kind::RightParen, start, 1);
        case u',':
            return make(Kind::Comma, start, 1);
        case u'+':
            return make(Kind::Plus, start, 1);
        case u'-':
            return make(Kind::Minus, start, 1);
        case u'*':
            return make(Kind::Star, start, 1);
        case u'/':
            return make(Kind::Slash, start, 1);
        case u'&':
            return make(Kind::Ampersand, start, 1);
        case u'=':
            return make(Kind::Equal, start, 1);
        case u'<':
            if (after == u'>') return make(Kind::NotEqual, start, 2);
            if (after == u'=') return make(Kind::LessEqual, start, 2);
            return make(Kind::Less, start, 1);
        case u'>':
            if (after == u'=') return make(Kind::GreaterEqual, start, 2);
            return make(Kind::Greater, start, 1);
        default:
            break;
    }
    ExpressionToken token = make(Kind::Invalid, start, 1);
    token.text = QStringLiteral("неожиданный знак «%1»").arg(c);
    return token;
}
