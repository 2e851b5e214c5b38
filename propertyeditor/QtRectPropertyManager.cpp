#include "propertyeditor/QtRectPropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>
#include <limits>

namespace {
struct RectData
{
    QRect value{0, 0, 0, 0};
    QRect constraint;
};

enum Part
{
    X,
    Y,
    Width,
    Height,
    PartCount
};

// Moves and shrinks the rectangle until it lies inside the constraint.
QRect fitted(QRect rect, const QRect &constraint)
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
} // namespace

class QtRectPropertyManagerPrivate
{
public:
    QtRectPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, RectData> values;
    QtIntPropertyManager *intManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToPart[PartCount];
    QMap<const QtProperty *, QtProperty *> partToProperty[PartCount];
};

QtRectPropertyManager::QtRectPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtRectPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->intManager = new QtIntPropertyManager(this);
    connect(d_ptr->intManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotIntChanged(QtProperty *, int)));
    connect(d_ptr->intManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtRectPropertyManager::~QtRectPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtRectPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intManager;
}

QRect QtRectPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QRect() : it->value;
}

QRect QtRectPropertyManager::constraint(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QRect() : it->constraint;
}

QString QtRectPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const QRect &r = it->value;
    return tr("[(%1, %2), %3 x %4]")
        .arg(QString::number(r.x()), QString::number(r.y()), QString::number(r.width()),
             QString::number(r.height()));
}

void QtRectPropertyManager::pushParts(QtProperty *property, const QRect &rect)
{
    const int parts[PartCount] = {rect.x(), rect.y(), rect.width(), rect.height()};
    for (int part = X; part < PartCount; ++part)
        d_ptr->intManager->setValue(d_ptr->propertyToPart[part].value(property), parts[part]);
}

void QtRectPropertyManager::setValue(QtProperty *property, const QRect &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    QRect rect = val.normalized();
    const QRect constraint = it->constraint;
    if (!constraint.isNull() && !constraint.contains(rect)) {
        const int left = qMax(rect.left(), constraint.left());
        const int right = qMin(rect.right(), constraint.right());
        const int top = qMax(rect.top(), constraint.top());
        const int bottom = qMin(rect.bottom(), constraint.bottom());
        rect.setCoords(left, top, right, bottom);
        if (rect.width() < 0 || rect.height() < 0)
            return; // nothing of the request lies inside the constraint
    }
    if (rect == it->value)
        return;
    it->value = rect;
    pushParts(property, rect);
    emit propertyChanged(property);
    emit valueChanged(property, rect);
}

void QtRectPropertyManager::setConstraint(QtProperty *property, const QRect &constraint)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    const QRect newConstraint = constraint.normalized();
    if (newConstraint == it->constraint)
        return;
    const QRect old = it->value;
    QRect rect = old;
    if (!newConstraint.isNull() && !newConstraint.contains(rect))
        rect = fitted(rect, newConstraint);
    it->constraint = newConstraint;
    it->value = rect;
    emit constraintChanged(property, newConstraint);

    const int intMax = std::numeric_limits<int>::max();
    const int intMin = std::numeric_limits<int>::min();
    const QRect &c = newConstraint;
    QtIntPropertyManager *ints = d_ptr->intManager;
    if (c.isNull()) {
        ints->setRange(d_ptr->propertyToPart[X].value(property), intMin, intMax);
        ints->setRange(d_ptr->propertyToPart[Y].value(property), intMin, intMax);
        ints->setRange(d_ptr->propertyToPart[Width].value(property), 0, intMax);
        ints->setRange(d_ptr->propertyToPart[Height].value(property), 0, intMax);
    } else {
        ints->setRange(d_ptr->propertyToPart[X].value(property), c.left(), c.left() + c.width());
        ints->setRange(d_ptr->propertyToPart[Y].value(property), c.top(), c.top() + c.height());
        ints->setRange(d_ptr->propertyToPart[Width].value(property), 0, c.width());
        ints->setRange(d_ptr->propertyToPart[Height].value(property), 0, c.height());
    }
    pushParts(property, rect);

    if (rect != old) {
        emit propertyChanged(property);
        emit valueChanged(property, rect);
    }
}

void QtRectPropertyManager::slotIntChanged(QtProperty *sub, int value)
{
    for (int part = X; part < PartCount; ++part) {
        QtProperty *property = d_ptr->partToProperty[part].value(sub);
        if (!property)
            continue;
        const RectData data = d_ptr->values.value(property);
        QRect rect = data.value;
        const QRect &c = data.constraint;
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
        return;
    }
}

void QtRectPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    for (int part = X; part < PartCount; ++part) {
        if (QtProperty *property = d_ptr->partToProperty[part].take(sub)) {
            d_ptr->propertyToPart[part][property] = nullptr;
            return;
        }
    }
}

void QtRectPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = RectData();
    const QString names[PartCount] = {tr("X"), tr("Y"), tr("Width"), tr("Height")};
    for (int part = X; part < PartCount; ++part) {
        QtProperty *sub = d_ptr->intManager->addProperty();
        sub->setPropertyName(names[part]);
        d_ptr->intManager->setValue(sub, 0);
        if (part == Width || part == Height)
            d_ptr->intManager->setMinimum(sub, 0);
        d_ptr->propertyToPart[part][property] = sub;
        d_ptr->partToProperty[part][sub] = property;
        property->addSubProperty(sub);
    }
}

void QtRectPropertyManager::uninitializeProperty(QtProperty *property)
{
    for (int part = X; part < PartCount; ++part) {
        if (QtProperty *sub = d_ptr->propertyToPart[part].take(property)) {
            d_ptr->partToProperty[part].remove(sub);
            delete sub;
        }
    }
    d_ptr->values.remove(property);
}
