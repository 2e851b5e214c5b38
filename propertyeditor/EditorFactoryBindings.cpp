#include "propertyeditor/EditorFactoryBindings.h"

QMap<QtAbstractPropertyManager *, EditorFactoryBindings::FactoryToBrowsers> &
EditorFactoryBindings::managerToFactoryToBrowsers()
{
    static QMap<QtAbstractPropertyManager *, FactoryToBrowsers> map;
    return map;
}

QMap<QtAbstractPropertyBrowser *, EditorFactoryBindings::ManagerToFactory> &
EditorFactoryBindings::browserToManagerToFactory()
{
    static QMap<QtAbstractPropertyBrowser *, ManagerToFactory> map;
    return map;
}

void EditorFactoryBindings::forgetManager(QtAbstractPropertyManager *manager)
{
    managerToFactoryToBrowsers().remove(manager);
    auto &byBrowser = browserToManagerToFactory();
    for (auto it = byBrowser.begin(); it != byBrowser.end();) {
        it->remove(manager);
        if (it->isEmpty())
            it = byBrowser.erase(it);
        else
            ++it;
    }
}

void EditorFactoryBindings::forgetFactory(QtAbstractEditorFactoryBase *factory)
{
    auto &byManager = managerToFactoryToBrowsers();
    for (auto it = byManager.begin(); it != byManager.end();) {
        it->remove(factory);
        if (it->isEmpty())
            it = byManager.erase(it);
        else
            ++it;
    }
    auto &byBrowser = browserToManagerToFactory();
    for (auto it = byBrowser.begin(); it != byBrowser.end();) {
        for (auto entry = it->begin(); entry != it->end();) {
            if (entry.value() == factory)
                entry = it->erase(entry);
            else
                ++entry;
        }
        if (it->isEmpty())
            it = byBrowser.erase(it);
        else
            ++it;
    }
}
