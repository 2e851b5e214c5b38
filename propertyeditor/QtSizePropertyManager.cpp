#include "propertyeditor/QtSizePropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>
#include <limits>

namespace {
struct SizeData
{
    QSize value{0, 0};
    QSize minimum{0, 0};
    QSize maximum{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
};

int boundedPart(int value, int minVal, int maxVal)
{
    if (value < minVal)
        return minVal;
    return value > maxVal ? maxVal : value;
}

QSize bounded(const QSize &value, const QSize &minVal, const QSize &maxVal)
{
    return QSize(boundedPart(value.width(), minVal.width(), maxVal.width()),
                 boundedPart(value.height(), minVal.height(), maxVal.height()));
}
} // namespace

class QtSizePropertyManagerPrivate
{
public:
    QtSizePropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, SizeData> values;
    QtIntPropertyManager *intManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToW;
    QMap<const QtProperty *, QtProperty *> propertyToH;
    QMap<const QtProperty *, QtProperty *> wToProperty;
    QMap<const QtProperty *, QtProperty *> hToProperty;
};

QtSizePropertyManager::QtSizePropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtSizePropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->intManager = new QtIntPropertyManager(this);
    connect(d_ptr->intManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotIntChanged(QtProperty *, int)));
    connect(d_ptr->intManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtSizePropertyManager::~QtSizePropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtSizePropertyManager::subIntPropertyManager() const
{
    return d_ptr->intManager;
}

QSize QtSizePropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QSize() : it->value;
}

QSize QtSizePropertyManager::minimum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QSize() : it->minimum;
}

QSize QtSizePropertyManager::maximum(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QSize() : it->maximum;
}

QString QtSizePropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    return tr("%1 x %2").arg(QString::number(it->value.width()),
                             QString::number(it->value.height()));
}

void QtSizePropertyManager::setValue(QtProperty *property, const QSize &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    const QSize size = bounded(val, it->minimum, it->maximum);
    if (size == it->value)
        return;
    it->value = size;
    d_ptr->intManager->setValue(d_ptr->propertyToW.value(property), size.width());
    d_ptr->intManager->setValue(d_ptr->propertyToH.value(property), size.height());
    emit propertyChanged(property);
    emit valueChanged(property, size);
}

void QtSizePropertyManager::setMinimum(QtProperty *property, const QSize &minVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->minimum == minVal)
        return;
    applyLimits(property, minVal, it->maximum.expandedTo(minVal));
}

void QtSizePropertyManager::setMaximum(QtProperty *property, const QSize &maxVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || it->maximum == maxVal)
        return;
    applyLimits(property, it->minimum.boundedTo(maxVal), maxVal);
}

void QtSizePropertyManager::setRange(QtProperty *property, const QSize &minVal, const QSize &maxVal)
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return;
    const QSize low(qMin(minVal.width(), maxVal.width()), qMin(minVal.height(), maxVal.height()));
    const QSize high(qMax(minVal.width(), maxVal.width()), qMax(minVal.height(), maxVal.height()));
    if (it->minimum == low && it->maximum == high)
        return;
    applyLimits(property, low, high);
}

void QtSizePropertyManager::applyLimits(QtProperty *property, const QSize &minVal,
                                        const QSize &maxVal)
{
    SizeData &data = d_ptr->values[property];
    const QSize old = data.value;
    data.minimum = minVal;
    data.maximum = maxVal;
    data.value = bounded(old, minVal, maxVal);
    const QSize size = data.value;
    emit rangeChanged(property, minVal, maxVal);

    QtProperty *width = d_ptr->propertyToW.value(property);
    QtProperty *height = d_ptr->propertyToH.value(property);
    d_ptr->intManager->setRange(width, minVal.width(), maxVal.width());
    d_ptr->intManager->setValue(width, size.width());
    d_ptr->intManager->setRange(height, minVal.height(), maxVal.height());
    d_ptr->intManager->setValue(height, size.height());

    if (size != old) {
        emit propertyChanged(property);
        emit valueChanged(property, size);
    }
}

void QtSizePropertyManager::slotIntChanged(QtProperty *sub, int value)
{
    if (QtProperty *property = d_ptr->wToProperty.value(sub)) {
        QSize size = d_ptr->values.value(property).value;
        size.setWidth(value);
        setValue(property, size);
    } else if (QtProperty *property = d_ptr->hToProperty.value(sub)) {
        QSize size = d_ptr->values.value(property).value;
        size.setHeight(value);
        setValue(property, size);
    }
}

void QtSizePropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    if (QtProperty *property = d_ptr->wToProperty.take(sub))
        d_ptr->propertyToW[property] = nullptr;
    else if (QtProperty *property = d_ptr->hToProperty.take(sub))
        d_ptr->propertyToH[property] = nullptr;
}

void QtSizePropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = SizeData();

    QtProperty *width = d_ptr->intManager->addProperty();
    width->setPropertyName(tr("Width"));
    d_ptr->intManager->setValue(width, 0);
    d_ptr->intManager->setMinimum(width, 0);
    d_ptr->propertyToW[property] = width;
    d_ptr->wToProperty[width] = property;
    property->addSubProperty(width);

    QtProperty *height = d_ptr->intManager->addProperty();
    height->setPropertyName(tr("Height"));
    d_ptr->intManager->setValue(height, 0);
    d_ptr->intManager->setMinimum(height, 0);
    d_ptr->propertyToH[property] = height;
    d_ptr->hToProperty[height] = property;
    property->addSubProperty(height);
}

void QtSizePropertyManager::uninitializeProperty(QtProperty *property)
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
