#include "app/SpinBoxWithValidator.h"

#include <QValidator>

SpinBoxWithValidator::SpinBoxWithValidator(QWidget *parent) : QSpinBox(parent) {}

QValidator::State SpinBoxWithValidator::validate(QString &input, int &pos) const
{
    return m_validator ? m_validator->validate(input, pos) : QValidator::Invalid;
}
