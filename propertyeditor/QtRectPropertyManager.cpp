#include "propertyeditor/QtRectPropertyManager.h"

QtRectPropertyManager::QtRectPropertyManager(QObject *parent) : QtRectPropertyManagerBase(parent) {}

QtRectPropertyManager::~QtRectPropertyManager()
{
    clear();
}

QString QtRectPropertyManager::textPattern() const
{
    return tr("[(%1, %2), %3 x %4]");
}

QStringList QtRectPropertyManager::partNames() const
{
    return {tr("X"), tr("Y"), tr("Width"), tr("Height")};
}
