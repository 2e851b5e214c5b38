#pragma once

#include <QDoubleSpinBox>

class QValidator;

// A double spin box whose typed text is judged by an outside validator; without one every
// typed text is refused and the value changes only by stepping.
class DoubleSpinBoxWithValidator : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit DoubleSpinBoxWithValidator(QWidget *parent = nullptr);

    void setValidator(const QValidator *validator) { m_validator = validator; }
    QValidator::State validate(QString &input, int &pos) const override;

private:
    const QValidator *m_validator = nullptr; // not owned
};
