#include "propertyeditor/QtSizeFPropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>
#include <limits>

namespace {
struct SizeData
{
    QSizeF value{0, 0};
    QSizeF minimum{0, 0};
    QSizeF maximum{double(std::numeric_limits<int>::max()),
                   double(std::numeric_limits<int>::max())};
    int decimals = 2;
};

double boundedPart(double value, double minVal, double maxVal)
{
    if (value < minVal)
        return minVal;
    return value > maxVal ? maxVal : value;
}

QSizeF bounded(const QSizeF &value, const QSizeF &minVal, const QSizeF &maxVal)
{
    return QSizeF(boundedPart(value.width(), minVal.width(), maxVal.width()),
                  boundedPart(value.height(), minVal.height(), maxVal.height()));
}
} // namespace

class QtSizeFPropertyManagerPrivate
{
public:
    QtSizeFPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, SizeData> values;
    QtDoublePropertyManager *doubleManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToW;
    QMap<const QtProperty *, QtProperty *> propertyToH;
    QMap<const QtProperty *, QtProperty *> wToProperty;
    QMap<const QtProperty *, QtProperty *> hToProperty;
};

QtSizeFPropertyManager::QtSizeFPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtSizeFPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->doubleManager = new QtDoublePropertyManager(this);
    connect(d_ptr->doubleManager, SIGNAL(valueChanged(QtProperty *, double)), this,
            SLOT(slotDoubleChanged(QtProperty *, double)));
    connect(d_ptr->doubleManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtSizeFPropertyManager::~QtSizeFPropertyManager()
{
    clear();
    delete d_ptr;
}

QtDoublePropertyManager *QtSizeFPropertyManager::subDoublePropertyManager() const
{
    return d_ptr->doubleManager;
}

QSizeF QtSizeFPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QSizeF() : it->value;
}

QSizeF QtSizeFPropertyManager::minimum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QSizeF() : it->minimum;
}

QSizeF QtSizeFPropertyManager::maximum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QSizeF() : it->maximum;
}

QString QtSizeFPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return tr("%1 x %2").arg(QString::number(it->value.width(), 'f', it->decimals),
                             QString::number(it->value.height(), 'f', it->decimals));
}

int QtSizeFPropertyManager::decimals(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->decimals;
}

void QtSizeFPropertyManager::setDecimals(QtProperty *property, int prec)
{
    auto it = d_ptr->values.find(property);
    prec = qBound(0, prec, 13);
    if (it == d_ptr->values.end() || it->decimals == prec)
        return;
    d_ptr->doubleManager->setDecimals(d_ptr->propertyToW.value(property), prec);
    d_ptr->doubleManager->setDecimals(d_ptr->propertyToH.value(property), prec);
    d_ptr->values[property].decimals = prec;
    emit decimalsChanged(property, prec);
}

void QtSizeFPropertyManager::setValue(QtProperty *property, const QSizeF &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    const QSizeF size = bounded(val, it->minimum, it->maximum);
    if (size == it->value)
        return;
    it->value = size;
    d_ptr->doubleManager->setValue(d_ptr->propertyToW.value(property), size.width());
    d_ptr->doubleManager->setValue(d_ptr->propertyToH.value(property), size.height());
    emit propertyChanged(property);
    emit valueChanged(property, size);
}

void QtSizeFPropertyManager::setMinimum(QtProperty *property, const QSizeF &minVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->minimum == minVal)
        return;
    applyLimits(property, minVal, it->maximum.expandedTo(minVal));
}

void QtSizeFPropertyManager::setMaximum(QtProperty *property, const QSizeF &maxVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->maximum == maxVal)
        return;
    applyLimits(property, it->minimum.boundedTo(maxVal), maxVal);
}

void QtSizeFPropertyManager::setRange(QtProperty *property, const QSizeF &minVal,
                                      const QSizeF &maxVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return;
    const QSizeF low(qMin(minVal.width(), maxVal.width()), qMin(minVal.height(), maxVal.height()));
    const QSizeF high(qMax(minVal.width(), maxVal.width()), qMax(minVal.height(), maxVal.height()));
    if (it->minimum == low && it->maximum == high)
        return;
    applyLimits(property, low, high);
}

void QtSizeFPropertyManager::applyLimits(QtProperty *property, const QSizeF &minVal,
                                         const QSizeF &maxVal)
{
    SizeData &data = d_ptr->values[property];
    const QSizeF old = data.value;
    data.minimum = minVal;
    data.maximum = maxVal;
    data.value = bounded(old, minVal, maxVal);
    const QSizeF size = data.value;
    emit rangeChanged(property, minVal, maxVal);

    QtProperty *width = d_ptr->propertyToW.value(property);
    QtProperty *height = d_ptr->propertyToH.value(property);
    d_ptr->doubleManager->setRange(width, minVal.width(), maxVal.width());
    d_ptr->doubleManager->setValue(width, size.width());
    d_ptr->doubleManager->setRange(height, minVal.height(), maxVal.height());
    d_ptr->doubleManager->setValue(height, size.height());

    if (size != old) {
        emit propertyChanged(property);
        emit valueChanged(property, size);
    }
}

void QtSizeFPropertyManager::slotDoubleChanged(QtProperty *sub, double value)
{
    if (QtProperty *property = d_ptr->wToProperty.value(sub)) {
        QSizeF size = d_ptr->values.value(property).value;
        size.setWidth(value);
        setValue(property, size);
    } else if (QtProperty *property = d_ptr->hToProperty.value(sub)) {
        QSizeF size = d_ptr->values.value(property).value;
        size.setHeight(value);
        setValue(property, size);
    }
}

void QtSizeFPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    if (QtProperty *property = d_ptr->wToProperty.take(sub))
        d_ptr->propertyToW[property] = nullptr;
    else if (QtProperty *property = d_ptr->hToProperty.take(sub))
        d_ptr->propertyToH[property] = nullptr;
}

void QtSizeFPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = SizeData();

    QtProperty *width = d_ptr->doubleManager->addProperty();
    width->setPropertyName(tr("Width"));
    d_ptr->doubleManager->setDecimals(width, 2);
    d_ptr->doubleManager->setValue(width, 0);
    d_ptr->doubleManager->setMinimum(width, 0);
    d_ptr->propertyToW[property] = width;
    d_ptr->wToProperty[width] = property;
    property->addSubProperty(width);

    QtProperty *height = d_ptr->doubleManager->addProperty();
    height->setPropertyName(tr("Height"));
    d_ptr->doubleManager->setDecimals(height, 2);
    d_ptr->doubleManager->setValue(height, 0);
    d_ptr->doubleManager->setMinimum(height, 0);
    d_ptr->propertyToH[property] = height;
    d_ptr->hToProperty[height] = property;
    property->addSubProperty(height);
}

void QtSizeFPropertyManager::uninitializeProperty(QtProperty *property)
{
    if (QtProperty *width = d_ptr->propertyToW.take(property)) {
        d_ptr->wToProperty.remove(width);
        delete width;
    }
    if (QtProperty *height = d_ptr->propertyToH.take(property)) {
        d_ptr->hToProperty.remove(height);
        delete height;
    }
    d_ptr->values.remove(property);
}
