#pragma once

#include <QValidator>
#include <functional>

// Refuses typed or pasted text holding a character the code page of the
// stored texts cannot hold, and tells which one. An entry for numbers or
// dates refuses every character but the few it takes.
class Cp1251Validator : public QValidator {
    Q_OBJECT

public:
    using Refused = std::function<void(const QString& message)>;
    Cp1251Validator(Refused refused, QObject* parent);

    // Only these characters are taken; message says what the entry takes.
    void setOnly(const QString& characters, const QString& message);

    State validate(QString& input, int& pos) const override;

private:
    Refused refused_;
    QString only_;
    QString onlyMessage_;
};
