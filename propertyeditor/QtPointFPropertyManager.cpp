#include "propertyeditor/QtPointFPropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>

class QtPointFPropertyManagerPrivate
{
public:
    QtPointFPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QPointF> values;
    QMap<const QtProperty *, int> decimals;
    QtDoublePropertyManager *doubleManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToX;
    QMap<const QtProperty *, QtProperty *> propertyToY;
    QMap<const QtProperty *, QtProperty *> xToProperty;
    QMap<const QtProperty *, QtProperty *> yToProperty;
};

QtPointFPropertyManager::QtPointFPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtPointFPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->doubleManager = new QtDoublePropertyManager(this);
    connect(d_ptr->doubleManager, SIGNAL(valueChanged(QtProperty *, double)), this,
            SLOT(slotDoubleChanged(QtProperty *, double)));
    connect(d_ptr->doubleManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtPointFPropertyManager::~QtPointFPropertyManager()
{
    clear();
    delete d_ptr;
}

QtDoublePropertyManager *QtPointFPropertyManager::subDoublePropertyManager() const
{
    return d_ptr->doubleManager;
}

QPointF QtPointFPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QPointF());
}

QString QtPointFPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const int prec = d_ptr->decimals.value(property);
    return tr("(%1, %2)")
        .arg(QString::number(it->x(), 'f', prec), QString::number(it->y(), 'f', prec));
}

int QtPointFPropertyManager::decimals(const QtProperty *property) const
{
    return d_ptr->decimals.value(property, 0);
}

void QtPointFPropertyManager::setDecimals(QtProperty *property, int prec)
{
    auto it = d_ptr->decimals.find(property);
    prec = qBound(0, prec, 13);
    if (it == d_ptr->decimals.end() || *it == prec)
        return;
    d_ptr->doubleManager->setDecimals(d_ptr->propertyToX.value(property), prec);
    d_ptr->doubleManager->setDecimals(d_ptr->propertyToY.value(property), prec);
    *it = prec;
    emit decimalsChanged(property, prec);
}

void QtPointFPropertyManager::setValue(QtProperty *property, const QPointF &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    const QPointF point = val;
    d_ptr->doubleManager->setValue(d_ptr->propertyToX.value(property), point.x());
    d_ptr->doubleManager->setValue(d_ptr->propertyToY.value(property), point.y());
    emit propertyChanged(property);
    emit valueChanged(property, point);
}

void QtPointFPropertyManager::slotDoubleChanged(QtProperty *sub, double value)
{
    if (QtProperty *property = d_ptr->xToProperty.value(sub)) {
        QPointF point = d_ptr->values.value(property);
        point.setX(value);
        setValue(property, point);
    } else if (QtProperty *property = d_ptr->yToProperty.value(sub)) {
        QPointF point = d_ptr->values.value(property);
        point.setY(value);
        setValue(property, point);
    }
}

void QtPointFPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    if (QtProperty *property = d_ptr->xToProperty.take(sub))
        d_ptr->propertyToX[property] = nullptr;
    else if (QtProperty *property = d_ptr->yToProperty.take(sub))
        d_ptr->propertyToY[property] = nullptr;
}

void QtPointFPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = QPointF();
    d_ptr->decimals[property] = 2;

    QtProperty *x = d_ptr->doubleManager->addProperty();
    x->setPropertyName(tr("X"));
    d_ptr->doubleManager->setDecimals(x, 2);
    d_ptr->doubleManager->setValue(x, 0);
    d_ptr->propertyToX[property] = x;
    d_ptr->xToProperty[x] = property;
    property->addSubProperty(x);

    QtProperty *y = d_ptr->doubleManager->addProperty();
    y->setPropertyName(tr("Y"));
    d_ptr->doubleManager->setDecimals(y, 2);
    d_ptr->doubleManager->setValue(y, 0);
    d_ptr->propertyToY[property] = y;
    d_ptr->yToProperty[y] = property;
    property->addSubProperty(y);
}

void QtPointFPropertyManager::uninitializeProperty(QtProperty *property)
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
    d_ptr->decimals.remove(property);
}
