#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtColorPropertyManager.h"

class QtColorEditWidget;

// Colour editors: a swatch, the colour text and a button for the colour dialog.
class QtColorEditorFactory : public QtAbstractEditorFactory<QtColorPropertyManager>
{
    Q_OBJECT
public:
    explicit QtColorEditorFactory(QObject *parent = nullptr);
    ~QtColorEditorFactory() override;

protected:
    void connectPropertyManager(QtColorPropertyManager *manager) override;
    QWidget *createEditor(QtColorPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtColorPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QColor &value);
    void slotSetValue(const QColor &value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QtColorEditWidget> *d_ptr;
};
