#include "propertyeditor/QtSizePropertyManager.h"

QtSizePropertyManager::QtSizePropertyManager(QObject *parent) : QtSizePropertyManagerBase(parent) {}

QtSizePropertyManager::~QtSizePropertyManager()
{
    clear();
}

QString QtSizePropertyManager::textPattern() const
{
    return tr("%1 x %2");
}

QStringList QtSizePropertyManager::partNames() const
{
    return {tr("Width"), tr("Height")};
}
