#include "propertyeditor/QtPointFPropertyManager.h"

QtPointFPropertyManager::QtPointFPropertyManager(QObject *parent)
    : QtPointPropertyManagerBase(parent)
{
}

QtPointFPropertyManager::~QtPointFPropertyManager()
{
    clear();
}

QString QtPointFPropertyManager::textPattern() const
{
    return tr("(%1, %2)");
}

QStringList QtPointFPropertyManager::partNames() const
{
    return {tr("X"), tr("Y")};
}
