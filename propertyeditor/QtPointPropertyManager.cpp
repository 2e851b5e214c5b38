#include "propertyeditor/QtPointPropertyManager.h"

QtPointPropertyManager::QtPointPropertyManager(QObject *parent) : QtPointPropertyManagerBase(parent)
{
}

QtPointPropertyManager::~QtPointPropertyManager()
{
    clear();
}

QString QtPointPropertyManager::textPattern() const
{
    return tr("(%1, %2)");
}

QStringList QtPointPropertyManager::partNames() const
{
    return {tr("X"), tr("Y")};
}
