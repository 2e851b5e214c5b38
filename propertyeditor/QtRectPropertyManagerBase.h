#pragma once

#include "propertyeditor/QtCompoundPropertyManager.h"

#include <limits>

template <class Rect> struct QtRectData
{
    Rect value{0, 0, 0, 0};
    Rect constraint;
};

// Rectangles, optionally kept inside a constraint, edited through "X", "Y", "Width" and "Height"
// sub-properties, for whole-number and floating-point rectangles. Floating-point rectangles
// compare within their precision and limit their parts to single precision.
template <class Manager, class Rect>
class QtRectPropertyManagerBase
    : public QtCompoundPropertyManager<Manager, std::decay_t<decltype(Rect().x())>,
                                       QtRectData<Rect>>
{
    using Data = QtRectData<Rect>;
    using Scalar = std::decay_t<decltype(Rect().x())>;
    using Base = QtCompoundPropertyManager<Manager, Scalar, Data>;

public:
    Rect value(const QtProperty *property) const { return this->field(property, &Data::value); }
    Rect constraint(const QtProperty *property) const
    {
        return this->field(property, &Data::constraint);
    }

    void setValue(QtProperty *property, const Rect &val)
    {
        auto it = this->values().find(property);
        if (it == this->values().end())
            return;
        Rect rect = val.normalized();
        const Rect constraint = it->constraint;
        if (!constraint.isNull() && !constraint.contains(rect)) {
            const Scalar left = qMax(rect.left(), constraint.left());
            const Scalar right = qMin(rect.right(), constraint.right());
            const Scalar top = qMax(rect.top(), constraint.top());
            const Scalar bottom = qMin(rect.bottom(), constraint.bottom());
            rect.setCoords(left, top, right, bottom);
            if (rect.width() < 0 || rect.height() < 0)
                return; // nothing of the request lies inside the constraint
        }
        if (same(rect, it->value))
            return;
        it->value = rect;
        this->pushParts(property, rect);
        emit this->propertyChanged(property);
        emit this->manager()->valueChanged(property, rect);
    }

    void setConstraint(QtProperty *property, const Rect &constraint)
    {
        auto it = this->values().find(property);
        if (it == this->values().end())
            return;
        const Rect newConstraint = constraint.normalized();
        if (same(newConstraint, it->constraint))
            return;
        const Rect old = it->value;
        Rect rect = old;
        if (!newConstraint.isNull() && !newConstraint.contains(rect))
            rect = fitted(rect, newConstraint);
        it->constraint = newConstraint;
        it->value = rect;
        emit this->manager()->constraintChanged(property, newConstraint);
        setPartRanges(property, newConstraint);
        this->pushParts(property, rect);
        if (!same(rect, old)) {
            emit this->propertyChanged(property);
            emit this->manager()->valueChanged(property, rect);
        }
    }

protected:
    using Base::Base;

    QVector<Scalar> partValues(const Rect &rect) const override
    {
        return {rect.x(), rect.y(), rect.width(), rect.height()};
    }
    int firstLength() const override { return Width; }

    void changePart(QtProperty *property, int part, Scalar value) override
    {
        const Data data = this->values().value(property);
        Rect rect = data.value;
        const Rect &c = data.constraint;
        switch (part) {
        case X:
            rect.moveLeft(value);
            break;
        case Y:
            rect.moveTop(value);
            break;
        case Width:
            rect.setWidth(value);
            if (!c.isNull() && c.x() + c.width() < rect.x() + rect.width())
                rect.moveLeft(c.left() + c.width() - rect.width());
            break;
        default:
            rect.setHeight(value);
            if (!c.isNull() && c.y() + c.height() < rect.y() + rect.height())
                rect.moveTop(c.top() + c.height() - rect.height());
            break;
        }
        setValue(property, rect);
    }

private:
    enum Part
    {
        X,
        Y,
        Width,
        Height
    };

    // The parts' bounds without a constraint.
    static constexpr Scalar lowest()
    {
        if constexpr (Base::floating)
            return -std::numeric_limits<float>::max();
        else
            return std::numeric_limits<int>::min();
    }
    static constexpr Scalar highest()
    {
        if constexpr (Base::floating)
            return std::numeric_limits<float>::max();
        else
            return std::numeric_limits<int>::max();
    }

    // A constraint's edge as the part's range takes it.
    static Scalar limit(Scalar value)
    {
        if constexpr (Base::floating)
            return double(float(value));
        else
            return value;
    }

    static bool samePart(Scalar a, Scalar b)
    {
        if constexpr (Base::floating)
            return qAbs(a - b) * 1000000000000. <= qMin(qAbs(a), qAbs(b));
        else
            return a == b;
    }

    static bool same(const Rect &a, const Rect &b)
    {
        return samePart(a.x(), b.x()) && samePart(a.y(), b.y()) && samePart(a.width(), b.width()) &&
               samePart(a.height(), b.height());
    }

    // Moves and shrinks the rectangle until it lies inside the constraint.
    static Rect fitted(Rect rect, const Rect &constraint)
    {
        if (rect.width() > constraint.width())
            rect.setWidth(constraint.width());
        if (rect.height() > constraint.height())
            rect.setHeight(constraint.height());
        if (rect.x() < constraint.x())
            rect.moveLeft(constraint.x());
        else if (rect.x() + rect.width() > constraint.x() + constraint.width())
            rect.moveLeft(constraint.x() + constraint.width() - rect.width());
        if (rect.y() < constraint.y())
            rect.moveTop(constraint.y());
        else if (rect.y() + rect.height() > constraint.y() + constraint.height())
            rect.moveTop(constraint.y() + constraint.height() - rect.height());
        return rect;
    }

    void setPartRanges(QtProperty *property, const Rect &c)
    {
        auto *parts = this->subManager();
        if (c.isNull()) {
            parts->setRange(this->part(property, X), lowest(), highest());
            parts->setRange(this->part(property, Y), lowest(), highest());
            parts->setRange(this->part(property, Width), 0, highest());
            parts->setRange(this->part(property, Height), 0, highest());
            return;
        }
        parts->setRange(this->part(property, X), limit(c.left()), limit(c.left() + c.width()));
        parts->setRange(this->part(property, Y), limit(c.top()), limit(c.top() + c.height()));
        parts->setRange(this->part(property, Width), 0, limit(c.width()));
        parts->setRange(this->part(property, Height), 0, limit(c.height()));
    }
};
