#pragma once

#include "propertyeditor/QtCompoundPropertyManager.h"

// Points edited through "X" and "Y" sub-properties, for whole-number and floating-point points.
template <class Manager, class Point>
class QtPointPropertyManagerBase
    : public QtCompoundPropertyManager<Manager, std::decay_t<decltype(Point().x())>>
{
    using Scalar = std::decay_t<decltype(Point().x())>;
    using Base = QtCompoundPropertyManager<Manager, Scalar>;

public:
    Point value(const QtProperty *property) const { return m_values.value(property, Point()); }

    void setValue(QtProperty *property, const Point &val)
    {
        auto it = m_values.find(property);
        if (it == m_values.end() || *it == val)
            return;
        *it = val;
        const Point point = val;
        this->setPart(property, 0, point.x());
        this->setPart(property, 1, point.y());
        emit this->propertyChanged(property);
        emit this->manager()->valueChanged(property, point);
    }

protected:
    using Base::Base;

    // The value's text with %1 and %2 for the coordinates, and the two parts' names.
    virtual QString textPattern() const = 0;
    virtual QStringList partNames() const = 0;

    QString valueText(const QtProperty *property) const override
    {
        auto it = m_values.constFind(property);
        if (it == m_values.constEnd())
            return QString();
        return textPattern().arg(this->number(it->x(), property), this->number(it->y(), property));
    }

    void changePart(QtProperty *property, int part, Scalar value) override
    {
        Point point = m_values.value(property);
        if (part == 0)
            point.setX(value);
        else
            point.setY(value);
        setValue(property, point);
    }

    void initializeProperty(QtProperty *property) override
    {
        m_values[property] = Point();
        this->addParts(property, partNames(), 2);
    }

    void uninitializeProperty(QtProperty *property) override
    {
        this->removeParts(property);
        m_values.remove(property);
    }

private:
    QMap<const QtProperty *, Point> m_values;
};
