#pragma once

#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtBrowserItem.h"

#include <QWidget>

class QtAbstractPropertyBrowserPrivate;
class QtAbstractPropertyManager;

// Widget-independent half of a property browser: keeps the item tree in step with the
// managers of the shown properties and asks bound factories for editors.
class QtAbstractPropertyBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit QtAbstractPropertyBrowser(QWidget *parent = nullptr);
    ~QtAbstractPropertyBrowser() override;

    QList<QtProperty *> properties() const;
    QList<QtBrowserItem *> items(QtProperty *property) const;
    QtBrowserItem *topLevelItem(QtProperty *property) const;

    QtBrowserItem *currentItem() const;
    void setCurrentItem(QtBrowserItem *item);

    virtual void clear();

    template <class PropertyManager>
    void setFactoryForManager(PropertyManager *manager,
                              QtAbstractEditorFactory<PropertyManager> *factory)
    {
        if (!manager || !factory)
            return;
        if (bindFactory(manager, factory))
            factory->addPropertyManager(manager);
    }

signals:
    void currentItemChanged(QtBrowserItem *item);

public slots:
    QtBrowserItem *addProperty(QtProperty *property);
    QtBrowserItem *insertProperty(QtProperty *property, QtProperty *afterProperty);
    void removeProperty(QtProperty *property);

protected:
    virtual void itemInserted(QtBrowserItem *item, QtBrowserItem *afterItem) = 0;
    virtual void itemRemoved(QtBrowserItem *item) = 0;
    virtual void itemChanged(QtBrowserItem *item) = 0;
    virtual QWidget *createEditor(QtProperty *property, QWidget *parent);

private slots:
    void slotPropertyInserted(QtProperty *property, QtProperty *parent, QtProperty *after);
    void slotPropertyRemoved(QtProperty *property, QtProperty *parent);
    void slotPropertyDestroyed(QtProperty *property);
    void slotPropertyDataChanged(QtProperty *property);

private:
    bool bindFactory(QtAbstractPropertyManager *manager, QtAbstractEditorFactoryBase *factory);
    void unbindFactory(QtAbstractPropertyManager *manager);

    friend class QtAbstractPropertyBrowserPrivate;
    QtAbstractPropertyBrowserPrivate *d_ptr;
    Q_DISABLE_COPY(QtAbstractPropertyBrowser)
};
