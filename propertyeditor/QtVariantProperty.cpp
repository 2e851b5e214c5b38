#include "propertyeditor/QtVariantProperty.h"

#include "propertyeditor/QtVariantPropertyManager.h"

class QtVariantPropertyPrivate
{
public:
    explicit QtVariantPropertyPrivate(QtVariantPropertyManager *m) : manager(m) {}
    QtVariantPropertyManager *manager;
};

QtVariantProperty::QtVariantProperty(QtVariantPropertyManager *manager)
    : QtProperty(manager), d_ptr(new QtVariantPropertyPrivate(manager))
{
}

QtVariantProperty::~QtVariantProperty()
{
    delete d_ptr;
}

QVariant QtVariantProperty::value() const
{
    return d_ptr->manager->value(this);
}

void QtVariantProperty::setValue(const QVariant &value)
{
    d_ptr->manager->setValue(this, value);
}

void QtVariantProperty::setAttribute(const QString &attribute, const QVariant &value)
{
    d_ptr->manager->setAttribute(this, attribute, value);
}
