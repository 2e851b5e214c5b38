#include "propertyeditor/QtRectFPropertyManager.h"

QtRectFPropertyManager::QtRectFPropertyManager(QObject *parent) : QtRectPropertyManagerBase(parent)
{
}

QtRectFPropertyManager::~QtRectFPropertyManager()
{
    clear();
}

QString QtRectFPropertyManager::textPattern() const
{
    return tr("[(%1, %2), %3 x %4]");
}

QStringList QtRectFPropertyManager::partNames() const
{
    return {tr("X"), tr("Y"), tr("Width"), tr("Height")};
}
