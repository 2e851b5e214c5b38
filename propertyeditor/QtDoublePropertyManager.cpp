#include "propertyeditor/QtDoublePropertyManager.h"

#include <QLocale>
#include <QMap>
#include <limits>

namespace {
struct DoubleData
{
    double value = 0.0;
    double minimum = -double(std::numeric_limits<int>::max());
    double maximum = double(std::numeric_limits<int>::max());
    double singleStep = 1.0;
    int decimals = 2;
    bool readOnly = false;
    QString suffix;
};
} // namespace

class QtDoublePropertyManagerPrivate
{
public:
    QtDoublePropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, DoubleData> values;
};

QtDoublePropertyManager::QtDoublePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtDoublePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtDoublePropertyManager::~QtDoublePropertyManager()
{
    clear();
    delete d_ptr;
}

double QtDoublePropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0.0 : it->value;
}

double QtDoublePropertyManager::minimum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0.0 : it->minimum;
}

double QtDoublePropertyManager::maximum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0.0 : it->maximum;
}

double QtDoublePropertyManager::singleStep(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0.0 : it->singleStep;
}

int QtDoublePropertyManager::decimals(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->decimals;
}

bool QtDoublePropertyManager::isReadOnly(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it != d_ptr->values.constEnd() && it->readOnly;
}

QString QtDoublePropertyManager::suffix(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it->suffix;
}

QString QtDoublePropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return QStringLiteral("%1%2").arg(QLocale::system().toString(it->value, 'f', it->decimals),
                                      it->suffix);
}

void QtDoublePropertyManager::setValue(QtProperty *property, double val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    const double bounded = qMax(it->minimum, qMin(val, it->maximum));
    if (bounded == it->value)
        return;
    it->value = bounded;
    emit propertyChanged(property);
    emit valueChanged(property, bounded);
}

void QtDoublePropertyManager::setMinimum(QtProperty *property, double minVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->minimum == minVal)
        return;
    applyRange(property, minVal, qMax(minVal, it->maximum));
}

void QtDoublePropertyManager::setMaximum(QtProperty *property, double maxVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->maximum == maxVal)
        return;
    applyRange(property, qMin(maxVal, it->minimum), maxVal);
}

void QtDoublePropertyManager::setRange(QtProperty *property, double minVal, double maxVal)
{
    if (minVal > maxVal)
        qSwap(minVal, maxVal);
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || (it->minimum == minVal && it->maximum == maxVal))
        return;
    applyRange(property, minVal, maxVal);
}

void QtDoublePropertyManager::applyRange(QtProperty *property, double minVal, double maxVal)
{
    DoubleData &data = d_ptr->values[property];
    const double old = data.value;
    data.minimum = minVal;
    data.maximum = maxVal;
    data.value = qMax(minVal, qMin(data.value, maxVal));
    const double value = data.value;
    emit rangeChanged(property, minVal, maxVal);
    if (value != old) {
        emit propertyChanged(property);
        emit valueChanged(property, value);
    }
}

void QtDoublePropertyManager::setSingleStep(QtProperty *property, double step)
{
    auto it = d_ptr->values.find(property);
    if (step < 0)
        step = 0.0;
    if (it == d_ptr->values.end() || it->singleStep == step)
        return;
    it->singleStep = step;
    emit singleStepChanged(property, step);
}

void QtDoublePropertyManager::setDecimals(QtProperty *property, int prec)
{
    prec = qBound(0, prec, 13);
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->decimals == prec)
        return;
    it->decimals = prec;
    emit decimalsChanged(property, prec);
}

void QtDoublePropertyManager::setReadOnly(QtProperty *property, bool readOnly)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->readOnly == readOnly)
        return;
    it->readOnly = readOnly;
    emit propertyChanged(property);
    emit readOnlyChanged(property, readOnly);
}

void QtDoublePropertyManager::setSuffix(QtProperty *property, const QString &suffix)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->suffix == suffix)
        return;
    it->suffix = suffix;
    emit suffixChanged(property, suffix);
}

void QtDoublePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = DoubleData();
}

void QtDoublePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
