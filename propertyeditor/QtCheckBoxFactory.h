#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtBoolPropertyManager.h"

class QtBoolEdit;

// Check boxes with captions for boolean properties; every click is written at once.
class QtCheckBoxFactory : public QtAbstractEditorFactory<QtBoolPropertyManager>
{
    Q_OBJECT
public:
    explicit QtCheckBoxFactory(QObject *parent = nullptr);
    ~QtCheckBoxFactory() override;

protected:
    void connectPropertyManager(QtBoolPropertyManager *manager) override;
    QWidget *createEditor(QtBoolPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtBoolPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, bool value);
    void slotTextVisibleChanged(QtProperty *property, bool textVisible);
    void slotSetValue(bool value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QtBoolEdit> *d_ptr;
};
