#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtTimePropertyManager.h"

class QTimeEdit;

// Time editors; every change is written at once.
class QtTimeEditFactory : public QtAbstractEditorFactory<QtTimePropertyManager>
{
    Q_OBJECT
public:
    explicit QtTimeEditFactory(QObject *parent = nullptr);
    ~QtTimeEditFactory() override;

protected:
    void connectPropertyManager(QtTimePropertyManager *manager) override;
    QWidget *createEditor(QtTimePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtTimePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QTime &value);
    void slotSetValue(const QTime &value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QTimeEdit> *d_ptr;
};
