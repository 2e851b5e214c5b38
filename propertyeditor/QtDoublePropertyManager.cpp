#include "propertyeditor/QtDoublePropertyManager.h"

QtDoublePropertyManager::QtDoublePropertyManager(QObject *parent) : QtNumberPropertyManager(parent)
{
}

QtDoublePropertyManager::~QtDoublePropertyManager()
{
    clear();
}
