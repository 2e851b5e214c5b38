#pragma once

#include "propertyeditor/QtCompoundPropertyManager.h"

#include <limits>

template <class Size> struct QtSizeData
{
    using Scalar = std::decay_t<decltype(Size().width())>;

    Size value{0, 0};
    Size minimum{0, 0};
    Size maximum{Scalar(std::numeric_limits<int>::max()), Scalar(std::numeric_limits<int>::max())};
};

// Sizes within limits, edited through "Width" and "Height" sub-properties, for whole-number and
// floating-point sizes.
template <class Manager, class Size>
class QtSizePropertyManagerBase
    : public QtCompoundPropertyManager<Manager, typename QtSizeData<Size>::Scalar, QtSizeData<Size>>
{
    using Data = QtSizeData<Size>;
    using Scalar = typename Data::Scalar;
    using Base = QtCompoundPropertyManager<Manager, Scalar, Data>;

public:
    Size value(const QtProperty *property) const { return this->field(property, &Data::value); }
    Size minimum(const QtProperty *property) const { return this->field(property, &Data::minimum); }
    Size maximum(const QtProperty *property) const { return this->field(property, &Data::maximum); }

    void setValue(QtProperty *property, const Size &val)
    {
        auto it = this->values().find(property);
        if (it == this->values().end() || it->value == val)
            return;
        const Size size = bounded(val, it->minimum, it->maximum);
        if (size == it->value)
            return;
        it->value = size;
        this->pushParts(property, size);
        emit this->propertyChanged(property);
        emit this->manager()->valueChanged(property, size);
    }

    void setMinimum(QtProperty *property, const Size &minVal)
    {
        auto it = this->values().constFind(property);
        if (it == this->values().constEnd() || it->minimum == minVal)
            return;
        applyLimits(property, minVal, it->maximum.expandedTo(minVal));
    }

    void setMaximum(QtProperty *property, const Size &maxVal)
    {
        auto it = this->values().constFind(property);
        if (it == this->values().constEnd() || it->maximum == maxVal)
            return;
        applyLimits(property, it->minimum.boundedTo(maxVal), maxVal);
    }

    void setRange(QtProperty *property, const Size &minVal, const Size &maxVal)
    {
        auto it = this->values().constFind(property);
        if (it == this->values().constEnd())
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

    QVector<Scalar> partValues(const Size &size) const override
    {
        return {size.width(), size.height()};
    }
    int firstLength() const override { return 0; }

    void changePart(QtProperty *property, int part, Scalar value) override
    {
        Size size = this->values().value(property).value;
        if (part == 0)
            size.setWidth(value);
        else
            size.setHeight(value);
        setValue(property, size);
    }

private:
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

    void applyLimits(QtProperty *property, const Size &minVal, const Size &maxVal)
    {
        Data &data = this->values()[property];
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
};
