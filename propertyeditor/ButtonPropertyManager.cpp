#include "propertyeditor/ButtonPropertyManager.h"

class ButtonPropertyManagerPrivate
{
public:
    ButtonPropertyManager *q_ptr = nullptr;
};

ButtonPropertyManager::ButtonPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new ButtonPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

ButtonPropertyManager::~ButtonPropertyManager()
{
    clear();
    delete d_ptr;
}

void ButtonPropertyManager::initializeProperty(QtProperty *) {}
void ButtonPropertyManager::uninitializeProperty(QtProperty *) {}
