#include "runtime/ui/cp1251_validator.h"

#include <algorithm>

#include "runtime/core/cp1251.h"

Cp1251Validator::Cp1251Validator(Refused refused, QObject* parent)
    : QValidator(parent), refused_(std::move(refused)) {}

void Cp1251Validator::setOnly(const QString& characters, const QString& message) {
    only_ = characters;
    onlyMessage_ = message;
}

QValidator::State Cp1251Validator::validate(QString& input, int&) const {
    const bool foreign =
        !only_.isEmpty() &&
        std::any_of(input.begin(), input.end(), [this](QChar c) { return !only_.contains(c); });
    if (foreign) {
        if (refused_) refused_(onlyMessage_);
        return Invalid;
    }
    qsizetype bad = 0;
    if (Cp1251::encode(input, &bad)) return Acceptable;
    if (refused_)
        refused_(QStringLiteral("Знак «%1» не может быть сохранён").arg(input.mid(bad, 1)));
    return Invalid;
}
