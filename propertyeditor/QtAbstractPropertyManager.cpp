#include "propertyeditor/QtAbstractPropertyManager.h"

#include "propertyeditor/EditorFactoryBindings.h"
#include "propertyeditor/QtProperty.h"

class QtAbstractPropertyManagerPrivate
{
public:
    QtAbstractPropertyManager *q_ptr = nullptr;
    QSet<QtProperty *> properties;
};

QtAbstractPropertyManager::QtAbstractPropertyManager(QObject *parent)
    : QObject(parent), d_ptr(new QtAbstractPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtAbstractPropertyManager::~QtAbstractPropertyManager()
{
    clear();
    // A later manager may reuse this address; no factory binding may outlive us.
    EditorFactoryBindings::forgetManager(this);
    delete d_ptr;
}

QSet<QtProperty *> QtAbstractPropertyManager::properties() const
{
    return d_ptr->properties;
}

void QtAbstractPropertyManager::clear() const
{
    while (!d_ptr->properties.isEmpty())
        delete *d_ptr->properties.cbegin();
}

QtProperty *QtAbstractPropertyManager::addProperty(const QString &name)
{
    QtProperty *property = createProperty();
    if (!property)
        return nullptr;
    property->setPropertyName(name);
    d_ptr->properties.insert(property);
    initializeProperty(property);
    return property;
}

void QtAbstractPropertyManager::releaseProperty(QtProperty *property)
{
    if (!d_ptr->properties.contains(property))
        return;
    emit propertyDestroyed(property);
    uninitializeProperty(property);
    d_ptr->properties.remove(property);
}

bool QtAbstractPropertyManager::hasValue(const QtProperty *) const
{
    return true;
}
QIcon QtAbstractPropertyManager::valueIcon(const QtProperty *) const
{
    return QIcon();
}
QString QtAbstractPropertyManager::valueText(const QtProperty *) const
{
    return QString();
}
QString QtAbstractPropertyManager::displayText(const QtProperty *) const
{
    return QString();
}
int QtAbstractPropertyManager::echoMode(const QtProperty *) const
{
    return 0;
}
void QtAbstractPropertyManager::uninitializeProperty(QtProperty *) {}
QtProperty *QtAbstractPropertyManager::createProperty()
{
    return new QtProperty(this);
}
