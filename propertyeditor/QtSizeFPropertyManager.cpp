#include "propertyeditor/QtSizeFPropertyManager.h"

QtSizeFPropertyManager::QtSizeFPropertyManager(QObject *parent) : QtSizePropertyManagerBase(parent)
{
}

QtSizeFPropertyManager::~QtSizeFPropertyManager()
{
    clear();
}

QString QtSizeFPropertyManager::textPattern() const
{
    return tr("%1 x %2");
}

QStringList QtSizeFPropertyManager::partNames() const
{
    return {tr("Width"), tr("Height")};
}
