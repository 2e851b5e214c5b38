#pragma once

#include "propertyeditor/QtCompoundPropertyManager.h"

#include <limits>

// Sizes within limits, edited through "Width" and "Height" sub-properties, for whole-number and
// floating-point sizes.
template <class Manager, class Size>
class QtSizePropertyManagerBase
    : public QtCompoundPropertyManager<Manager, std::decay_t<decltype(Size().width())>>
{
    using Scalar = std::decay_t<decltype(Size().width())>;
    using Base = QtCompoundPropertyManager<Manager, Scalar>;

public:
    Size value(const QtProperty *property) const { return field(property, &Data::value); }
    Size minimum(const QtProperty *property) const { return field(property, &Data::minimum); }
    Size maximum(const QtProperty *property) const { return field(property, &Data::maximum); }

    void setValue(QtProperty *property, const Size &val)
    {
        auto it = m_values.find(property);
        if (it == m_values.end() || it->value == val)
            return;
        const Size size = bounded(val, it->minimum, it->maximum);
        if (size == it->value)
            return;
        it->value = size;
        this->setPart(property, 0, size.width());
        this->setPart(property, 1, size.height());
        emit this->propertyChanged(property);
        emit this->manager()->valueChanged(property, size);
    }

    void setMinimum(QtProperty *property, const Size &minVal)
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd() || it->minimum == minVal)
            return;
        applyLimits(property, minVal, it->maximum.expandedTo(minVal));
    }

    void setMaximum(QtProperty *property, const Size &maxVal)
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd() || it->maximum == maxVal)
            return;
        applyLimits(property, it->minimum.boundedTo(maxVal), maxVal);
    }

    void setRange(QtProperty *property, const Size &minVal, const Size &maxVal)
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd())
            return;
        const Size low(qMin(minVal.width(), maxVal.width()),
                       qMin(minVal.height(), maxVal.height()));
        const Size high(qMax(minVal.width(), maxVal.width()),
                        qMax(minVal.height(), maxVal.height()));
        if (it->minimum == low && it->maximum == high)
            return;
        applyLimits(property, low, high);
    }

protected:
    using Base::Base;

    // The value's text with %1 and %2 for width and height, and the two parts' names.
    virtual QString textPattern() const = 0;
    virtual QStringList partNames() const = 0;

    QString valueText(const QtProperty *property) const override
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd())
            return QString();
        return textPattern().arg(this->number(it->value.width(), property),
                                 this->number(it->value.height(), property));
    }

    void changePart(QtProperty *property, int part, Scalar value) override
    {
        Size size = m_values.value(property).value;
        if (part == 0)
            size.setWidth(value);
        else
            size.setHeight(value);
        setValue(property, size);
    }

    void initializeProperty(QtProperty *property) override
    {
        m_values[property] = Data();
        this->addParts(property, partNames(), 0);
    }

    void uninitializeProperty(QtProperty *property) override
    {
        this->removeParts(property);
        m_values.remove(property);
    }

private:
    struct Data
    {
        Size value{0, 0};
        Size minimum{0, 0};
        Size maximum{Scalar(std::numeric_limits<int>::max()),
                     Scalar(std::numeric_limits<int>::max())};
    };

    static Scalar boundedPart(Scalar value, Scalar minVal, Scalar maxVal)
    {
        if (value < minVal)
            return minVal;
        return value > maxVal ? maxVal : value;
    }

    static Size bounded(const Size &value, const Size &minVal, const Size &maxVal)
    {
        return Size(boundedPart(value.width(), minVal.width(), maxVal.width()),
                    boundedPart(value.height(), minVal.height(), maxVal.height()));
    }

    Size field(const QtProperty *property, Size Data::*member) const
    {
        auto it = m_values.constFind(property);
        return it == m_values.constEnd() ? Size() : (*it).*member;
    }

    void applyLimits(QtProperty *property, const Size &minVal, const Size &maxVal)
    {
        Data &data = m_values[property];
        const Size old = data.value;
        data.minimum = minVal;
        data.maximum = maxVal;
        data.value = bounded(old, minVal, maxVal);
        const Size size = data.value;
        emit this->manager()->rangeChanged(property, minVal, maxVal);

        QtProperty *width = this->part(property, 0);
        QtProperty *height = this->part(property, 1);
        this->subManager()->setRange(width, minVal.width(), maxVal.width());
        this->subManager()->setValue(width, size.width());
        this->subManager()->setRange(height, minVal.height(), maxVal.height());
        this->subManager()->setValue(height, size.height());

        if (size != old) {
            emit this->propertyChanged(property);
            emit this->manager()->valueChanged(property, size);
        }
    }

    QMap<const QtProperty *, Data> m_values;
};
