#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtDateTimePropertyManager.h"

class QDateTimeEdit;

// Date-time editors; every change is written at once.
class QtDateTimeEditFactory : public QtAbstractEditorFactory<QtDateTimePropertyManager>
{
    Q_OBJECT
public:
    explicit QtDateTimeEditFactory(QObject *parent = nullptr);
    ~QtDateTimeEditFactory() override;

protected:
    void connectPropertyManager(QtDateTimePropertyManager *manager) override;
    QWidget *createEditor(QtDateTimePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtDateTimePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QDateTime &value);
    void slotSetValue(const QDateTime &value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QDateTimeEdit> *d_ptr;
};
