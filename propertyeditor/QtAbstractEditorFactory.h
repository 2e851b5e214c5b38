#pragma once

#include "propertyeditor/QtAbstractEditorFactoryBase.h"
#include "propertyeditor/QtProperty.h"

#include <QSet>

// Factory base for one manager class: keeps the set of served managers and routes an
// editor request to the manager that owns the property.
template <class PropertyManager> class QtAbstractEditorFactory : public QtAbstractEditorFactoryBase
{
public:
    explicit QtAbstractEditorFactory(QObject *parent = nullptr)
        : QtAbstractEditorFactoryBase(parent)
    {
    }

    QWidget *createEditor(QtProperty *property, QWidget *parent) override
    {
        PropertyManager *manager = propertyManager(property);
        return manager ? createEditor(manager, property, parent) : nullptr;
    }

    void addPropertyManager(PropertyManager *manager)
    {
        if (!manager || m_managers.contains(manager))
            return;
        m_managers.insert(manager);
        connectPropertyManager(manager);
        connect(manager, SIGNAL(destroyed(QObject *)), this, SLOT(managerDestroyed(QObject *)));
    }

    void removePropertyManager(PropertyManager *manager)
    {
        if (!m_managers.contains(manager))
            return;
        disconnect(manager, SIGNAL(destroyed(QObject *)), this, SLOT(managerDestroyed(QObject *)));
        disconnectPropertyManager(manager);
        m_managers.remove(manager);
    }

    QSet<PropertyManager *> propertyManagers() const { return m_managers; }

    PropertyManager *propertyManager(QtProperty *property) const
    {
        if (!property)
            return nullptr;
        QtAbstractPropertyManager *owner = property->propertyManager();
        for (PropertyManager *manager : m_managers) {
            if (static_cast<QtAbstractPropertyManager *>(manager) == owner)
                return manager;
        }
        return nullptr;
    }

protected:
    virtual QWidget *createEditor(PropertyManager *manager, QtProperty *property,
                                  QWidget *parent) = 0;
    virtual void connectPropertyManager(PropertyManager *manager) = 0;
    virtual void disconnectPropertyManager(PropertyManager *manager) = 0;

    void managerDestroyed(QObject *manager) override
    {
        // The object is half torn down: compare addresses only.
        for (PropertyManager *served : qAsConst(m_managers)) {
            if (static_cast<QObject *>(served) == manager) {
                m_managers.remove(served);
                return;
            }
        }
    }

private:
    void breakConnection(QtAbstractPropertyManager *manager) override
    {
        for (PropertyManager *served : qAsConst(m_managers)) {
            if (static_cast<QtAbstractPropertyManager *>(served) == manager) {
                removePropertyManager(served);
                return;
            }
        }
    }

    QSet<PropertyManager *> m_managers;
};
