#include "propertyeditor/QtIntPropertyManager.h"

QtIntPropertyManager::QtIntPropertyManager(QObject *parent) : QtNumberPropertyManager(parent) {}

QtIntPropertyManager::~QtIntPropertyManager()
{
    clear();
}
