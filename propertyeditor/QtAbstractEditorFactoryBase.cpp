#include "propertyeditor/QtAbstractEditorFactoryBase.h"

#include "propertyeditor/EditorFactoryBindings.h"

QtAbstractEditorFactoryBase::QtAbstractEditorFactoryBase(QObject *parent) : QObject(parent) {}

QtAbstractEditorFactoryBase::~QtAbstractEditorFactoryBase()
{
    // No browser may call back into a factory that is gone.
    EditorFactoryBindings::forgetFactory(this);
}
