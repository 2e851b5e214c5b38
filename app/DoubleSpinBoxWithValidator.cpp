#include "app/DoubleSpinBoxWithValidator.h"

#include <QValidator>

DoubleSpinBoxWithValidator::DoubleSpinBoxWithValidator(QWidget *parent) : QDoubleSpinBox(parent) {}

QValidator::State DoubleSpinBoxWithValidator::validate(QString &input, int &pos) const
{
    return m_validator ? m_validator->validate(input, pos) : QValidator::Invalid;
}
