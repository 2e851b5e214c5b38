#include "propertyeditor/QtAbstractPropertyBrowser.h"

#include "propertyeditor/EditorFactoryBindings.h"
#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QMap>

class QtAbstractPropertyBrowserPrivate
{
public:
    explicit QtAbstractPropertyBrowserPrivate(QtAbstractPropertyBrowser *browser) : q_ptr(browser)
    {
    }

    void createItems(QtProperty *property, QtProperty *parentProperty, QtProperty *afterProperty);
    QtBrowserItem *createItem(QtProperty *property, QtBrowserItem *parentItem,
                              QtBrowserItem *afterItem);
    void attachPropertyTree(QtProperty *property, QtProperty *parentProperty);
    void detachPropertyTree(QtProperty *property, QtProperty *parentProperty);
    void removeItems(QtProperty *property, QtProperty *parentProperty);
    void removeItem(QtBrowserItem *item);
    void connectManager(QtAbstractPropertyManager *manager, bool on);
    static void deleteItemTree(QtBrowserItem *item);

    QtAbstractPropertyBrowser *q_ptr;
    QList<QtProperty *> topLevelProperties;
    QMap<QtAbstractPropertyManager *, QList<QtProperty *>> managerToProperties;
    QMap<QtProperty *, QList<QtProperty *>> propertyToParents;
    QMap<QtProperty *, QtBrowserItem *> topLevelPropertyToItem;
    QList<QtBrowserItem *> topLevelItems;
    QMap<QtProperty *, QList<QtBrowserItem *>> propertyToItems;
    QtBrowserItem *currentItem = nullptr;
};

void QtAbstractPropertyBrowserPrivate::createItems(QtProperty *property, QtProperty *parentProperty,
                                                   QtProperty *afterProperty)
{
    QList<QPair<QtBrowserItem *, QtBrowserItem *>> places;
    if (afterProperty) {
        const QList<QtBrowserItem *> afterItems = propertyToItems.value(afterProperty);
        for (QtBrowserItem *afterItem : afterItems) {
            QtBrowserItem *parentItem = afterItem->parent();
            const bool under = parentProperty
                                   ? parentItem && parentItem->property() == parentProperty
                                   : !parentItem;
            if (!under)
                continue;
            bool known = false;
            for (const auto &place : qAsConst(places))
                known = known || place.first == parentItem;
            if (!known)
                places.append(qMakePair(parentItem, afterItem));
        }
    } else if (parentProperty) {
        const QList<QtBrowserItem *> parentItems = propertyToItems.value(parentProperty);
        for (QtBrowserItem *parentItem : parentItems)
            places.append(qMakePair(parentItem, static_cast<QtBrowserItem *>(nullptr)));
    } else {
        places.append(qMakePair(static_cast<QtBrowserItem *>(nullptr),
                                static_cast<QtBrowserItem *>(nullptr)));
    }
    for (const auto &place : qAsConst(places))
        createItem(property, place.first, place.second);
}

QtBrowserItem *QtAbstractPropertyBrowserPrivate::createItem(QtProperty *property,
                                                            QtBrowserItem *parentItem,
                                                            QtBrowserItem *afterItem)
{
    auto *item = new QtBrowserItem(q_ptr, property, parentItem);
    if (parentItem) {
        const int index = afterItem ? parentItem->children().indexOf(afterItem) + 1 : 0;
        parentItem->insertChild(index, item);
    } else {
        topLevelPropertyToItem[property] = item;
        const int index = afterItem ? topLevelItems.indexOf(afterItem) + 1 : 0;
        topLevelItems.insert(index, item);
    }
    propertyToItems[property].append(item);
    q_ptr->itemInserted(item, afterItem);

    QtBrowserItem *previous = nullptr;
    const QList<QtProperty *> subs = property->subProperties();
    for (QtProperty *sub : subs)
        previous = createItem(sub, item, previous);
    return item;
}

void QtAbstractPropertyBrowserPrivate::connectManager(QtAbstractPropertyManager *manager, bool on)
{
    QObject *browser = q_ptr;
    if (on) {
        QObject::connect(
            manager, SIGNAL(propertyInserted(QtProperty *, QtProperty *, QtProperty *)), browser,
            SLOT(slotPropertyInserted(QtProperty *, QtProperty *, QtProperty *)));
        QObject::connect(manager, SIGNAL(propertyRemoved(QtProperty *, QtProperty *)), browser,
                         SLOT(slotPropertyRemoved(QtProperty *, QtProperty *)));
        QObject::connect(manager, SIGNAL(propertyDestroyed(QtProperty *)), browser,
                         SLOT(slotPropertyDestroyed(QtProperty *)));
        QObject::connect(manager, SIGNAL(propertyChanged(QtProperty *)), browser,
                         SLOT(slotPropertyDataChanged(QtProperty *)));
    } else {
        QObject::disconnect(
            manager, SIGNAL(propertyInserted(QtProperty *, QtProperty *, QtProperty *)), browser,
            SLOT(slotPropertyInserted(QtProperty *, QtProperty *, QtProperty *)));
        QObject::disconnect(manager, SIGNAL(propertyRemoved(QtProperty *, QtProperty *)), browser,
                            SLOT(slotPropertyRemoved(QtProperty *, QtProperty *)));
        QObject::disconnect(manager, SIGNAL(propertyDestroyed(QtProperty *)), browser,
                            SLOT(slotPropertyDestroyed(QtProperty *)));
        QObject::disconnect(manager, SIGNAL(propertyChanged(QtProperty *)), browser,
                            SLOT(slotPropertyDataChanged(QtProperty *)));
    }
}

void QtAbstractPropertyBrowserPrivate::attachPropertyTree(QtProperty *property,
                                                          QtProperty *parentProperty)
{
    auto attached = propertyToParents.find(property);
    if (attached != propertyToParents.end()) {
        attached->append(parentProperty);
        return;
    }
    QtAbstractPropertyManager *manager = property->propertyManager();
    if (!managerToProperties.contains(manager))
        connectManager(manager, true);
    managerToProperties[manager].append(property);
    propertyToParents[property].append(parentProperty);

    const QList<QtProperty *> subs = property->subProperties();
    for (QtProperty *sub : subs)
        attachPropertyTree(sub, property);
}

void QtAbstractPropertyBrowserPrivate::detachPropertyTree(QtProperty *property,
                                                          QtProperty *parentProperty)
{
    auto attached = propertyToParents.find(property);
    if (attached == propertyToParents.end())
        return;
    attached->removeAll(parentProperty);
    if (!attached->isEmpty())
        return;
    propertyToParents.erase(attached);

    QtAbstractPropertyManager *manager = property->propertyManager();
    auto managed = managerToProperties.find(manager);
    if (managed != managerToProperties.end()) {
        managed->removeAll(property);
        if (managed->isEmpty()) {
            connectManager(manager, false);
            managerToProperties.erase(managed);
        }
    }

    const QList<QtProperty *> subs = property->subProperties();
    for (QtProperty *sub : subs)
        detachPropertyTree(sub, property);
}

void QtAbstractPropertyBrowserPrivate::removeItems(QtProperty *property, QtProperty *parentProperty)
{
    QList<QtBrowserItem *> doomed;
    const QList<QtBrowserItem *> shown = propertyToItems.value(property);
    for (QtBrowserItem *item : shown) {
        QtBrowserItem *parentItem = item->parent();
        const bool under =
            parentProperty ? parentItem && parentItem->property() == parentProperty : !parentItem;
        if (under)
            doomed.append(item);
    }
    for (QtBrowserItem *item : qAsConst(doomed))
        removeItem(item);
}

void QtAbstractPropertyBrowserPrivate::removeItem(QtBrowserItem *item)
{
    const QList<QtBrowserItem *> children = item->children();
    for (int i = children.size() - 1; i >= 0; --i)
        removeItem(children.at(i));

    q_ptr->itemRemoved(item);

    QtProperty *property = item->property();
    if (QtBrowserItem *parentItem = item->parent()) {
        parentItem->takeChild(item);
    } else {
        topLevelPropertyToItem.remove(property);
        topLevelItems.removeAll(item);
    }
    auto shown = propertyToItems.find(property);
    if (shown != propertyToItems.end()) {
        shown->removeAll(item);
        if (shown->isEmpty())
            propertyToItems.erase(shown);
    }
    if (currentItem == item)
        currentItem = nullptr;
    delete item;
}

void QtAbstractPropertyBrowserPrivate::deleteItemTree(QtBrowserItem *item)
{
    const QList<QtBrowserItem *> children = item->children();
    for (QtBrowserItem *child : children)
        deleteItemTree(child);
    delete item;
}

QtAbstractPropertyBrowser::QtAbstractPropertyBrowser(QWidget *parent)
    : QWidget(parent), d_ptr(new QtAbstractPropertyBrowserPrivate(this))
{
}

QtAbstractPropertyBrowser::~QtAbstractPropertyBrowser()
{
    // The concrete browser is gone already: no manager signal may reach us any more.
    for (auto it = d_ptr->managerToProperties.cbegin(); it != d_ptr->managerToProperties.cend();
         ++it)
        d_ptr->connectManager(it.key(), false);

    // Give up every binding, so no registry entry names this address after us.
    const auto bound = EditorFactoryBindings::browserToManagerToFactory().value(this);
    for (auto it = bound.cbegin(); it != bound.cend(); ++it)
        unbindFactory(it.key());

    for (QtBrowserItem *item : qAsConst(d_ptr->topLevelItems))
        QtAbstractPropertyBrowserPrivate::deleteItemTree(item);
    delete d_ptr;
}

QList<QtProperty *> QtAbstractPropertyBrowser::properties() const
{
    return d_ptr->topLevelProperties;
}

QList<QtBrowserItem *> QtAbstractPropertyBrowser::items(QtProperty *property) const
{
    return d_ptr->propertyToItems.value(property);
}

QtBrowserItem *QtAbstractPropertyBrowser::topLevelItem(QtProperty *property) const
{
    return d_ptr->topLevelPropertyToItem.value(property);
}

QtBrowserItem *QtAbstractPropertyBrowser::currentItem() const
{
    return d_ptr->currentItem;
}

void QtAbstractPropertyBrowser::setCurrentItem(QtBrowserItem *item)
{
    QtBrowserItem *previous = d_ptr->currentItem;
    d_ptr->currentItem = item;
    if (previous != item)
        emit currentItemChanged(item);
}

void QtAbstractPropertyBrowser::clear()
{
    const QList<QtProperty *> shown = properties();
    for (int i = shown.size() - 1; i >= 0; --i)
        removeProperty(shown.at(i));
}

QtBrowserItem *QtAbstractPropertyBrowser::addProperty(QtProperty *property)
{
    QtProperty *after =
        d_ptr->topLevelProperties.isEmpty() ? nullptr : d_ptr->topLevelProperties.last();
    return insertProperty(property, after);
}

QtBrowserItem *QtAbstractPropertyBrowser::insertProperty(QtProperty *property,
                                                         QtProperty *afterProperty)
{
    if (!property)
        return nullptr;
    const QList<QtProperty *> &shown = d_ptr->topLevelProperties;
    if (shown.contains(property))
        return nullptr;
    const int position = afterProperty ? shown.indexOf(afterProperty) + 1 : 0;
    QtProperty *after = position > 0 ? afterProperty : nullptr;

    d_ptr->createItems(property, nullptr, after);
    d_ptr->attachPropertyTree(property, nullptr);
    d_ptr->topLevelProperties.insert(position, property);
    return topLevelItem(property);
}

void QtAbstractPropertyBrowser::removeProperty(QtProperty *property)
{
    if (!property || !d_ptr->topLevelProperties.contains(property))
        return;
    d_ptr->topLevelProperties.removeAll(property);
    d_ptr->detachPropertyTree(property, nullptr);
    d_ptr->removeItems(property, nullptr);
}

void QtAbstractPropertyBrowser::slotPropertyInserted(QtProperty *property, QtProperty *parent,
                                                     QtProperty *after)
{
    if (!d_ptr->propertyToParents.contains(parent))
        return;
    d_ptr->createItems(property, parent, after);
    d_ptr->attachPropertyTree(property, parent);
}

void QtAbstractPropertyBrowser::slotPropertyRemoved(QtProperty *property, QtProperty *parent)
{
    if (!d_ptr->propertyToParents.contains(parent))
        return;
    d_ptr->detachPropertyTree(property, parent);
    d_ptr->removeItems(property, parent);
}

void QtAbstractPropertyBrowser::slotPropertyDestroyed(QtProperty *property)
{
    if (d_ptr->topLevelProperties.contains(property))
        removeProperty(property);
}

void QtAbstractPropertyBrowser::slotPropertyDataChanged(QtProperty *property)
{
    if (!d_ptr->propertyToParents.contains(property))
        return;
    const QList<QtBrowserItem *> shown = d_ptr->propertyToItems.value(property);
    for (QtBrowserItem *item : shown)
        itemChanged(item);
}

QWidget *QtAbstractPropertyBrowser::createEditor(QtProperty *property, QWidget *parent)
{
    if (!property)
        return nullptr;
    QtAbstractEditorFactoryBase *factory =
        EditorFactoryBindings::browserToManagerToFactory().value(this).value(
            property->propertyManager());
    return factory ? factory->createEditor(property, parent) : nullptr;
}

bool QtAbstractPropertyBrowser::bindFactory(QtAbstractPropertyManager *manager,
                                            QtAbstractEditorFactoryBase *factory)
{
    auto &byManager = EditorFactoryBindings::managerToFactoryToBrowsers();
    bool mustConnect = true;
    auto managerEntry = byManager.constFind(manager);
    if (managerEntry != byManager.constEnd()) {
        auto pair = managerEntry->constFind(factory);
        if (pair != managerEntry->constEnd()) {
            if (pair->contains(this))
                return false;
            mustConnect = false;
        }
    }
    if (EditorFactoryBindings::browserToManagerToFactory().value(this).contains(manager))
        unbindFactory(manager);

    EditorFactoryBindings::managerToFactoryToBrowsers()[manager][factory].append(this);
    EditorFactoryBindings::browserToManagerToFactory()[this][manager] = factory;
    return mustConnect;
}

void QtAbstractPropertyBrowser::unbindFactory(QtAbstractPropertyManager *manager)
{
    auto &byBrowser = EditorFactoryBindings::browserToManagerToFactory();
    auto browserEntry = byBrowser.find(this);
    if (browserEntry == byBrowser.end() || !browserEntry->contains(manager))
        return;
    QtAbstractEditorFactoryBase *factory = browserEntry->take(manager);
    if (browserEntry->isEmpty())
        byBrowser.erase(browserEntry);

    auto &byManager = EditorFactoryBindings::managerToFactoryToBrowsers();
    auto managerEntry = byManager.find(manager);
    if (managerEntry == byManager.end())
        return;
    auto pair = managerEntry->find(factory);
    if (pair == managerEntry->end())
        return;
    pair->removeAll(this);
    if (!pair->isEmpty())
        return;
    managerEntry->erase(pair);
    if (managerEntry->isEmpty())
        byManager.erase(managerEntry);
    // Entries of destroyed factories are gone, so this factory is alive.
    factory->breakConnection(manager);
}
