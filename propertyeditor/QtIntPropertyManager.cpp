#include "propertyeditor/QtIntPropertyManager.h"

#include <QLocale>
#include <QMap>
#include <limits>

namespace {
struct IntData
{
    int value = 0;
    int minimum = -std::numeric_limits<int>::max();
    int maximum = std::numeric_limits<int>::max();
    int singleStep = 1;
    bool readOnly = false;
    QString suffix;
};
} // namespace

class QtIntPropertyManagerPrivate
{
public:
    QtIntPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, IntData> values;
};

QtIntPropertyManager::QtIntPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtIntPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtIntPropertyManager::~QtIntPropertyManager()
{
    clear();
    delete d_ptr;
}

int QtIntPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->value;
}

int QtIntPropertyManager::minimum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->minimum;
}

int QtIntPropertyManager::maximum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->maximum;
}

int QtIntPropertyManager::singleStep(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->singleStep;
}

bool QtIntPropertyManager::isReadOnly(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it != d_ptr->values.constEnd() && it->readOnly;
}

QString QtIntPropertyManager::suffix(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it->suffix;
}

QString QtIntPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return QStringLiteral("%1%2").arg(QLocale::system().toString(it->value), it->suffix);
}

void QtIntPropertyManager::setValue(QtProperty *property, int val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    const int bounded = qMax(it->minimum, qMin(val, it->maximum));
    if (bounded == it->value)
        return;
    it->value = bounded;
    emit propertyChanged(property);
    emit valueChanged(property, bounded);
}

void QtIntPropertyManager::setMinimum(QtProperty *property, int minVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->minimum == minVal)
        return;
    applyRange(property, minVal, qMax(minVal, it->maximum));
}

void QtIntPropertyManager::setMaximum(QtProperty *property, int maxVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->maximum == maxVal)
        return;
    applyRange(property, qMin(maxVal, it->minimum), maxVal);
}

void QtIntPropertyManager::setRange(QtProperty *property, int minVal, int maxVal)
{
    if (minVal > maxVal)
        qSwap(minVal, maxVal);
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || (it->minimum == minVal && it->maximum == maxVal))
        return;
    applyRange(property, minVal, maxVal);
}

void QtIntPropertyManager::applyRange(QtProperty *property, int minVal, int maxVal)
{
    IntData &data = d_ptr->values[property];
    const int old = data.value;
    data.minimum = minVal;
    data.maximum = maxVal;
    data.value = qMax(minVal, qMin(data.value, maxVal));
    const int value = data.value;
    emit rangeChanged(property, minVal, maxVal);
    if (value != old) {
        emit propertyChanged(property);
        emit valueChanged(property, value);
    }
}

void QtIntPropertyManager::setSingleStep(QtProperty *property, int step)
{
    auto it = d_ptr->values.find(property);
    if (step < 0)
        step = 0;
    if (it == d_ptr->values.end() || it->singleStep == step)
        return;
    it->singleStep = step;
    emit singleStepChanged(property, step);
}

void QtIntPropertyManager::setReadOnly(QtProperty *property, bool readOnly)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->readOnly == readOnly)
        return;
    it->readOnly = readOnly;
    emit propertyChanged(property);
    emit readOnlyChanged(property, readOnly);
}

void QtIntPropertyManager::setSuffix(QtProperty *property, const QString &suffix)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->suffix == suffix)
        return;
    it->suffix = suffix;
    emit suffixChanged(property, suffix);
}

void QtIntPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = IntData();
}

void QtIntPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
