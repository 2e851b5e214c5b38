#pragma once

#include <QList>
#include <QMap>

class QtAbstractPropertyBrowser;
class QtAbstractPropertyManager;
class QtAbstractEditorFactoryBase;

// The process-wide record of which factory each browser uses for each manager.
// Managers and factories leave it when they are destroyed and browsers unbind
// themselves, so it never holds a dangling pointer that a new object could alias.
class EditorFactoryBindings
{
public:
    using FactoryToBrowsers =
        QMap<QtAbstractEditorFactoryBase *, QList<QtAbstractPropertyBrowser *>>;
    using ManagerToFactory = QMap<QtAbstractPropertyManager *, QtAbstractEditorFactoryBase *>;

    static QMap<QtAbstractPropertyManager *, FactoryToBrowsers> &managerToFactoryToBrowsers();
    static QMap<QtAbstractPropertyBrowser *, ManagerToFactory> &browserToManagerToFactory();

    static void forgetManager(QtAbstractPropertyManager *manager);
    static void forgetFactory(QtAbstractEditorFactoryBase *factory);
};
