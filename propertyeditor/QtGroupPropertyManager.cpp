#include "propertyeditor/QtGroupPropertyManager.h"

QtGroupPropertyManager::QtGroupPropertyManager(QObject *parent) : QtAbstractPropertyManager(parent)
{
}

bool QtGroupPropertyManager::hasValue(const QtProperty *) const
{
    return false;
}
void QtGroupPropertyManager::initializeProperty(QtProperty *) {}
void QtGroupPropertyManager::uninitializeProperty(QtProperty *) {}
