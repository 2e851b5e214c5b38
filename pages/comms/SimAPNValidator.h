#pragma once

#include <QValidator>

// Access point names: Latin letters, digits, dots and dashes, at most 50 characters, no
// dot or dash at the start, none doubled or next to each other; a trailing one is allowed
// while typing.
class SimAPNValidator : public QValidator
{
    Q_OBJECT
public:
    explicit SimAPNValidator(QObject *parent = nullptr) : QValidator(parent) {}
    State validate(QString &input, int &pos) const override;
};
