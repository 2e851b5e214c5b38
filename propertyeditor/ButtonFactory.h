#pragma once

#include "propertyeditor/ButtonPropertyManager.h"
#include "propertyeditor/QtAbstractEditorFactory.h"

// Turns an editor request on an action row into a click report; opens nothing.
class ButtonFactory : public QtAbstractEditorFactory<ButtonPropertyManager>
{
    Q_OBJECT
public:
    explicit ButtonFactory(QObject *parent = nullptr);

protected:
    void connectPropertyManager(ButtonPropertyManager *manager) override;
    QWidget *createEditor(ButtonPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(ButtonPropertyManager *manager) override;
};
