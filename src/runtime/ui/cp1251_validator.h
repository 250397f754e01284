#pragma once

#include <QValidator>
#include <functional>

// Refuses typed or pasted text holding a character the code page of the
// stored texts cannot hold, and tells which one.
class Cp1251Validator : public QValidator {
    Q_OBJECT

public:
    using Refused = std::function<void(const QString& message)>;
    Cp1251Validator(Refused refused, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    Refused refused_;
};
