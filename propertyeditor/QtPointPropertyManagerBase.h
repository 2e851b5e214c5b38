#pragma once

#include "propertyeditor/QtCompoundPropertyManager.h"

template <class Point> struct QtPointData
{
    Point value;
};

// Points edited through "X" and "Y" sub-properties, for whole-number and floating-point points.
template <class Manager, class Point>
class QtPointPropertyManagerBase
    : public QtCompoundPropertyManager<Manager, std::decay_t<decltype(Point().x())>,
                                       QtPointData<Point>>
{
    using Scalar = std::decay_t<decltype(Point().x())>;
    using Base = QtCompoundPropertyManager<Manager, Scalar, QtPointData<Point>>;

public:
    Point value(const QtProperty *property) const
    {
        return this->field(property, &QtPointData<Point>::value);
    }

    void setValue(QtProperty *property, const Point &val)
    {
        auto it = this->values().find(property);
        if (it == this->values().end() || it->value == val)
            return;
        it->value = val;
        const Point point = val;
        this->pushParts(property, point);
        emit this->propertyChanged(property);
        emit this->manager()->valueChanged(property, point);
    }

protected:
    using Base::Base;

    QVector<Scalar> partValues(const Point &point) const override { return {point.x(), point.y()}; }
    int firstLength() const override { return 2; }

    void changePart(QtProperty *property, int part, Scalar value) override
    {
        Point point = this->values().value(property).value;
        if (part == 0)
            point.setX(value);
        else
            point.setY(value);
        setValue(property, point);
    }
};
