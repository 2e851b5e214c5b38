#pragma once

#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtVariantPropertyManager.h"

class QtVariantEditorFactoryPrivate;

// Hands editor requests for variant properties on to the typed factory of each type,
// for the property the variant property wraps.
class QtVariantEditorFactory : public QtAbstractEditorFactory<QtVariantPropertyManager>
{
    Q_OBJECT
public:
    explicit QtVariantEditorFactory(QObject *parent = nullptr);
    ~QtVariantEditorFactory() override;

protected:
    QWidget *createEditor(QtVariantPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void connectPropertyManager(QtVariantPropertyManager *manager) override;
    void disconnectPropertyManager(QtVariantPropertyManager *manager) override;

private slots:
    void slotEditorDestroyed(QObject *object);

private:
    void registerManagers(QtVariantPropertyManager *manager, bool add);

    QtVariantEditorFactoryPrivate *d_ptr;
};
