#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QLocale>
#include <QMap>
#include <limits>
#include <type_traits>

// Numbers within a range, with a step, a read-only flag and a suffix, for the whole-number and
// the floating-point manager alike. Manager declares the signals, as moc takes no templates;
// floating-point values also keep their decimals.
template <class Manager, class Number>
class QtNumberPropertyManager : public QtAbstractPropertyManager
{
public:
    Number value(const QtProperty *property) const { return field(property, &Data::value); }
    Number minimum(const QtProperty *property) const { return field(property, &Data::minimum); }
    Number maximum(const QtProperty *property) const { return field(property, &Data::maximum); }
    Number singleStep(const QtProperty *property) const
    {
        return field(property, &Data::singleStep);
    }
    bool isReadOnly(const QtProperty *property) const { return field(property, &Data::readOnly); }
    QString suffix(const QtProperty *property) const { return field(property, &Data::suffix); }

    void setValue(QtProperty *property, Number val)
    {
        auto it = m_values.find(property);
        if (it == m_values.end() || it->value == val)
            return;
        const Number bounded = qMax(it->minimum, qMin(val, it->maximum));
        if (bounded == it->value)
            return;
        it->value = bounded;
        emit propertyChanged(property);
        emit manager()->valueChanged(property, bounded);
    }

    void setMinimum(QtProperty *property, Number minVal)
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd() || it->minimum == minVal)
            return;
        applyRange(property, minVal, qMax(minVal, it->maximum));
    }

    void setMaximum(QtProperty *property, Number maxVal)
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd() || it->maximum == maxVal)
            return;
        applyRange(property, qMin(maxVal, it->minimum), maxVal);
    }

    void setRange(QtProperty *property, Number minVal, Number maxVal)
    {
        if (minVal > maxVal)
            qSwap(minVal, maxVal);
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd() || (it->minimum == minVal && it->maximum == maxVal))
            return;
        applyRange(property, minVal, maxVal);
    }

    void setSingleStep(QtProperty *property, Number step)
    {
        auto it = m_values.find(property);
        if (step < 0)
            step = 0;
        if (it == m_values.end() || it->singleStep == step)
            return;
        it->singleStep = step;
        emit manager()->singleStepChanged(property, step);
    }

    void setReadOnly(QtProperty *property, bool readOnly)
    {
        auto it = m_values.find(property);
        if (it == m_values.end() || it->readOnly == readOnly)
            return;
        it->readOnly = readOnly;
        emit propertyChanged(property);
        emit manager()->readOnlyChanged(property, readOnly);
    }

    void setSuffix(QtProperty *property, const QString &suffix)
    {
        auto it = m_values.find(property);
        if (it == m_values.end() || it->suffix == suffix)
            return;
        it->suffix = suffix;
        emit manager()->suffixChanged(property, suffix);
    }

protected:
    explicit QtNumberPropertyManager(QObject *parent) : QtAbstractPropertyManager(parent) {}

    QString valueText(const QtProperty *property) const override
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd())
            return QString();
        QString number;
        if constexpr (std::is_floating_point_v<Number>)
            number = QLocale::system().toString(it->value, 'f', it->decimals);
        else
            number = QLocale::system().toString(it->value);
        return QStringLiteral("%1%2").arg(number, it->suffix);
    }

    void initializeProperty(QtProperty *property) override { m_values[property] = Data(); }
    void uninitializeProperty(QtProperty *property) override { m_values.remove(property); }

    int decimalsOf(const QtProperty *property) const { return field(property, &Data::decimals); }

    void setDecimalsOf(QtProperty *property, int prec)
    {
        prec = qBound(0, prec, 13);
        auto it = m_values.find(property);
        if (it == m_values.end() || it->decimals == prec)
            return;
        it->decimals = prec;
        emit manager()->decimalsChanged(property, prec);
    }

private:
    struct Data
    {
        Number value = 0;
        Number minimum = -Number(std::numeric_limits<int>::max());
        Number maximum = Number(std::numeric_limits<int>::max());
        Number singleStep = 1;
        int decimals = 2; // floating-point values only
        bool readOnly = false;
        QString suffix;
    };

    Manager *manager() { return static_cast<Manager *>(this); }

    // The field of a property this manager does not hold reads as its type's zero.
    template <class Field> Field field(const QtProperty *property, Field Data::*member) const
    {
        auto it = m_values.constFind(property);
        return it == m_values.constEnd() ? Field() : (*it).*member;
    }

    void applyRange(QtProperty *property, Number minVal, Number maxVal)
    {
        Data &data = m_values[property];
        const Number old = data.value;
        data.minimum = minVal;
        data.maximum = maxVal;
        data.value = qMax(minVal, qMin(data.value, maxVal));
        const Number value = data.value;
        emit manager()->rangeChanged(property, minVal, maxVal);
        if (value != old) {
            emit propertyChanged(property);
            emit manager()->valueChanged(property, value);
        }
    }

    QMap<const QtProperty *, Data> m_values;
};
