#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtDatePropertyManager.h"

class QDateEdit;

// Date editors with a calendar popup; every change is written at once.
class QtDateEditFactory : public QtAbstractEditorFactory<QtDatePropertyManager>
{
    Q_OBJECT
public:
    explicit QtDateEditFactory(QObject *parent = nullptr);
    ~QtDateEditFactory() override;

protected:
    void connectPropertyManager(QtDatePropertyManager *manager) override;
    QWidget *createEditor(QtDatePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtDatePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QDate &value);
    void slotRangeChanged(QtProperty *property, const QDate &min, const QDate &max);
    void slotSetValue(const QDate &value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QDateEdit> *d_ptr;
};
