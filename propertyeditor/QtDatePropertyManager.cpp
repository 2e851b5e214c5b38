#include "propertyeditor/QtDatePropertyManager.h"

#include <QLocale>
#include <QMap>

namespace {
struct DateData
{
    QDate value = QDate::currentDate();
    QDate minimum{1752, 9, 14};
    QDate maximum{7999, 12, 31};
};

QDate bounded(const QDate &value, const QDate &minVal, const QDate &maxVal)
{
    if (value < minVal)
        return minVal;
    if (value > maxVal)
        return maxVal;
    return value;
}
} // namespace

class QtDatePropertyManagerPrivate
{
public:
    QtDatePropertyManager *q_ptr = nullptr;
    QString format;
    QMap<const QtProperty *, DateData> values;
};

QtDatePropertyManager::QtDatePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtDatePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->format = QLocale().dateFormat(QLocale::ShortFormat);
}

QtDatePropertyManager::~QtDatePropertyManager()
{
    clear();
    delete d_ptr;
}

QDate QtDatePropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QDate() : it->value;
}

QDate QtDatePropertyManager::minimum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QDate() : it->minimum;
}

QDate QtDatePropertyManager::maximum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QDate() : it->maximum;
}

QString QtDatePropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it->value.toString(d_ptr->format);
}

void QtDatePropertyManager::setValue(QtProperty *property, const QDate &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    const QDate date = bounded(val, it->minimum, it->maximum);
    if (date == it->value)
        return;
    it->value = date;
    emit propertyChanged(property);
    emit valueChanged(property, date);
}

void QtDatePropertyManager::setMinimum(QtProperty *property, const QDate &minVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->minimum == minVal)
        return;
    applyRange(property, minVal, qMax(minVal, it->maximum));
}

void QtDatePropertyManager::setMaximum(QtProperty *property, const QDate &maxVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->maximum == maxVal)
        return;
    applyRange(property, qMin(maxVal, it->minimum), maxVal);
}

void QtDatePropertyManager::setRange(QtProperty *property, const QDate &minVal, const QDate &maxVal)
{
    QDate from = minVal;
    QDate to = maxVal;
    if (from > to)
        qSwap(from, to);
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || (it->minimum == from && it->maximum == to))
        return;
    applyRange(property, from, to);
}

void QtDatePropertyManager::applyRange(QtProperty *property, const QDate &minVal,
                                       const QDate &maxVal)
{
    DateData &data = d_ptr->values[property];
    const QDate old = data.value;
    data.minimum = minVal;
    data.maximum = maxVal;
    data.value = bounded(old, minVal, maxVal);
    const QDate value = data.value;
    emit rangeChanged(property, minVal, maxVal);
    if (value != old) {
        emit propertyChanged(property);
        emit valueChanged(property, value);
    }
}

void QtDatePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = DateData();
}

void QtDatePropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
