#include "propertyeditor/QtColorPropertyManager.h"

#include "propertyeditor/QtProperty.h"
#include "propertyeditor/QtPropertyBrowserUtils.h"

#include <QMap>

namespace {
enum Part
{
    Red,
    Green,
    Blue,
    Alpha,
    PartCount
};

int component(const QColor &color, int part)
{
    switch (part) {
    case Red:
        return color.red();
    case Green:
        return color.green();
    case Blue:
        return color.blue();
    default:
        return color.alpha();
    }
}
} // namespace

class QtColorPropertyManagerPrivate
{
public:
    QtColorPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, QColor> values;
    QtIntPropertyManager *intManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToPart[PartCount];
    QMap<const QtProperty *, QtProperty *> partToProperty[PartCount];
};

QtColorPropertyManager::QtColorPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtColorPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->intManager = new QtIntPropertyManager(this);
    connect(d_ptr->intManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotIntChanged(QtProperty *, int)));
    connect(d_ptr->intManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtColorPropertyManager::~QtColorPropertyManager()
{
    clear();
    delete d_ptr;
}

QtIntPropertyManager *QtColorPropertyManager::subIntPropertyManager() const
{
    return d_ptr->intManager;
}

QColor QtColorPropertyManager::value(const QtProperty *property) const
{
    return d_ptr->values.value(property, QColor());
}

QString QtColorPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : QtPropertyBrowserUtils::colorText(*it);
}

QIcon QtColorPropertyManager::valueIcon(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QIcon()
                                          : QtPropertyBrowserUtils::brushIcon(QBrush(*it));
}

void QtColorPropertyManager::setValue(QtProperty *property, const QColor &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || *it == val)
        return;
    *it = val;
    const QColor color = val;
    for (int part = Red; part < PartCount; ++part)
        d_ptr->intManager->setValue(d_ptr->propertyToPart[part].value(property),
                                    component(color, part));
    emit propertyChanged(property);
    emit valueChanged(property, color);
}

void QtColorPropertyManager::slotIntChanged(QtProperty *sub, int value)
{
    for (int part = Red; part < PartCount; ++part) {
        QtProperty *property = d_ptr->partToProperty[part].value(sub);
        if (!property)
            continue;
        QColor color = d_ptr->values.value(property);
        switch (part) {
        case Red:
            color.setRed(value);
            break;
        case Green:
            color.setGreen(value);
            break;
        case Blue:
            color.setBlue(value);
            break;
        default:
            color.setAlpha(value);
            break;
        }
        setValue(property, color);
        return;
    }
}

void QtColorPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    for (int part = Red; part < PartCount; ++part) {
        if (QtProperty *property = d_ptr->partToProperty[part].take(sub)) {
            d_ptr->propertyToPart[part][property] = nullptr;
            return;
        }
    }
}

void QtColorPropertyManager::initializeProperty(QtProperty *property)
{
    const QColor color;
    d_ptr->values[property] = color;
    const QString names[PartCount] = {tr("Red"), tr("Green"), tr("Blue"), tr("Alpha")};
    for (int part = Red; part < PartCount; ++part) {
        QtProperty *sub = d_ptr->intManager->addProperty();
        sub->setPropertyName(names[part]);
        d_ptr->intManager->setValue(sub, component(color, part));
        d_ptr->intManager->setRange(sub, 0, 0xff);
        d_ptr->propertyToPart[part][property] = sub;
        d_ptr->partToProperty[part][sub] = property;
        property->addSubProperty(sub);
    }
}

void QtColorPropertyManager::uninitializeProperty(QtProperty *property)
{
    for (int part = Red; part < PartCount; ++part) {
        if (QtProperty *sub = d_ptr->propertyToPart[part].take(property)) {
            d_ptr->partToProperty[part].remove(sub);
            delete sub;
        }
    }
    d_ptr->values.remove(property);
}
