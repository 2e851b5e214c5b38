#include "propertyeditor/QtFontEditorFactory.h"

#include "propertyeditor/QtFontEditWidget.h"

QtFontEditorFactory::QtFontEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtFontPropertyManager>(parent),
      d_ptr(new EditorRegistry<QtFontEditWidget>)
{
}

QtFontEditorFactory::~QtFontEditorFactory()
{
    delete d_ptr;
}

void QtFontEditorFactory::connectPropertyManager(QtFontPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QFont)), this,
            SLOT(slotPropertyChanged(QtProperty *, QFont)));
}

void QtFontEditorFactory::disconnectPropertyManager(QtFontPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QFont)), this,
               SLOT(slotPropertyChanged(QtProperty *, QFont)));
}

QWidget *QtFontEditorFactory::createEditor(QtFontPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QtFontEditWidget(parent);
    d_ptr->registerEditor(property, editor);
    editor->setValue(manager->value(property));

    connect(editor, SIGNAL(valueChanged(QFont)), this, SLOT(slotSetValue(QFont)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtFontEditorFactory::slotPropertyChanged(QtProperty *property, const QFont &value)
{
    const QList<QtFontEditWidget *> editors = d_ptr->editors(property);
    for (QtFontEditWidget *editor : editors) {
        editor->setValue(value);
    }
}

void QtFontEditorFactory::slotSetValue(const QFont &value)
{
    QtFontEditWidget *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtFontPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtFontEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
