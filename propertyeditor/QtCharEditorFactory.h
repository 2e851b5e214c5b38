#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtCharPropertyManager.h"

class QtCharEdit;

// One-character editors for character properties.
class QtCharEditorFactory : public QtAbstractEditorFactory<QtCharPropertyManager>
{
    Q_OBJECT
public:
    explicit QtCharEditorFactory(QObject *parent = nullptr);
    ~QtCharEditorFactory() override;

protected:
    void connectPropertyManager(QtCharPropertyManager *manager) override;
    QWidget *createEditor(QtCharPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtCharPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QChar &value);
    void slotSetValue(const QChar &value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QtCharEdit> *d_ptr;
};
