#include "runtime/ui/cp1251_validator.h"

#include "runtime/core/cp1251.h"

Cp1251Validator::Cp1251Validator(Refused refused, QObject* parent)
    : QValidator(parent), refused_(std::move(refused)) {}

QValidator::State Cp1251Validator::validate(QString& input, int&) const {
    qsizetype bad = 0;
    if (Cp1251::encode(input, &bad)) return Acceptable;
    if (refused_)
        refused_(QStringLiteral("Знак «%1» не может быть сохранён").arg(input.mid(bad, 1)));
    return Invalid;
}
