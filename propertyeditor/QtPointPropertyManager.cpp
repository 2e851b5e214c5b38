#include "propertyeditor/QtPointPropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>

class QtPointPropertyManagerPrivate
{
public:
    QtPointPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QPoint> values;
    QtIntPropertyManager *intManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToX;
    QMap<const QtProperty *, QtProperty *> propertyToY;
    QMap<const QtProperty *, QtProperty *> xToProperty;
    QMap<const QtProperty *, QtProperty *> yToProperty;
};

QtPointPropertyManager::QtPointPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtPointPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->intManager = new QtIntPropertyManager(this);
    connect(d_ptr->intManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotIntChanged(QtProperty *, int)));
    connect(d_ptr->intManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtPointPropertyManager::~QtPointPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtPointPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intManager;
}

QPoint QtPointPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QPoint());
}

QString QtPointPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return tr("(%1, %2)").arg(QString::number(it->x()), QString::number(it->y()));
}

void QtPointPropertyManager::setValue(QtProperty *property, const QPoint &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    const QPoint point = val;
    d_ptr->intManager->setValue(d_ptr->propertyToX.value(property), point.x());
    d_ptr->intManager->setValue(d_ptr->propertyToY.value(property), point.y());
    emit propertyChanged(property);
    emit valueChanged(property, point);
}

void QtPointPropertyManager::slotIntChanged(QtProperty *sub, int value)
{
    if (QtProperty *property = d_ptr->xToProperty.value(sub)) {
        QPoint point = d_ptr->values.value(property);
        point.setX(value);
        setValue(property, point);
    } else if (QtProperty *property = d_ptr->yToProperty.value(sub)) {
        QPoint point = d_ptr->values.value(property);
        point.setY(value);
        setValue(property, point);
    }
}

void QtPointPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    if (QtProperty *property = d_ptr->xToProperty.take(sub))
        d_ptr->propertyToX[property] = nullptr;
    else if (QtProperty *property = d_ptr->yToProperty.take(sub))
        d_ptr->propertyToY[property] = nullptr;
}

void QtPointPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QPoint();

    QtProperty *x = d_ptr->intManager->addProperty();
    x->setPropertyName(tr("X"));
    d_ptr->intManager->setValue(x, 0);
    d_ptr->propertyToX[property] = x;
    d_ptr->xToProperty[x] = property;
    property->addSubProperty(x);

    QtProperty *y = d_ptr->intManager->addProperty();
    y->setPropertyName(tr("Y"));
    d_ptr->intManager->setValue(y, 0);
    d_ptr->propertyToY[property] = y;
    d_ptr->yToProperty[y] = property;
    property->addSubProperty(y);
}

void QtPointPropertyManager::uninitializeProperty(QtProperty *property)
{
    if (QtProperty *x = d_ptr->propertyToX.take(property)) {
        d_ptr->xToProperty.remove(x);
        delete x;
    }
    if (QtProperty *y = d_ptr->propertyToY.take(property)) {
        d_ptr->yToProperty.remove(y);
        delete y;
    }
    d_ptr->values.remove(property);
}
