#include "propertyeditor/QtCharEditorFactory.h"

#include "propertyeditor/QtCharEdit.h"

#include <QSignalBlocker>

QtCharEditorFactory::QtCharEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtCharPropertyManager>(parent), d_ptr(new EditorRegistry<QtCharEdit>)
{
}

QtCharEditorFactory::~QtCharEditorFactory()
{
    delete d_ptr;
}

void QtCharEditorFactory::connectPropertyManager(QtCharPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QChar)), this,
            SLOT(slotPropertyChanged(QtProperty *, QChar)));
}

void QtCharEditorFactory::disconnectPropertyManager(QtCharPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QChar)), this,
               SLOT(slotPropertyChanged(QtProperty *, QChar)));
}

QWidget *QtCharEditorFactory::createEditor(QtCharPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QtCharEdit(parent);
    d_ptr->registerEditor(property, editor);
    editor->setValue(manager->value(property));

    connect(editor, SIGNAL(valueChanged(QChar)), this, SLOT(slotSetValue(QChar)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtCharEditorFactory::slotPropertyChanged(QtProperty *property, const QChar &value)
{
    const QList<QtCharEdit *> editors = d_ptr->editors(property);
    for (QtCharEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setValue(value);
    }
}

void QtCharEditorFactory::slotSetValue(const QChar &value)
{
    QtCharEdit *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtCharPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtCharEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
