#include "propertyeditor/ButtonFactory.h"

ButtonFactory::ButtonFactory(QObject *parent)
    : QtAbstractEditorFactory<ButtonPropertyManager>(parent)
{
}

void ButtonFactory::connectPropertyManager(ButtonPropertyManager *) {}
void ButtonFactory::disconnectPropertyManager(ButtonPropertyManager *) {}

QWidget *ButtonFactory::createEditor(ButtonPropertyManager *manager, QtProperty *property,
                                     QWidget *)
{
    emit manager->buttonIsClicked(property);
    return nullptr;
}
