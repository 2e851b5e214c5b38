#include "propertyeditor/QtKeySequenceEditorFactory.h"

#include "propertyeditor/QtKeySequenceEdit.h"

#include <QSignalBlocker>

QtKeySequenceEditorFactory::QtKeySequenceEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtKeySequencePropertyManager>(parent),
      d_ptr(new EditorRegistry<QtKeySequenceEdit>)
{
}

QtKeySequenceEditorFactory::~QtKeySequenceEditorFactory()
{
    delete d_ptr;
}

void QtKeySequenceEditorFactory::connectPropertyManager(QtKeySequencePropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QKeySequence)), this,
            SLOT(slotPropertyChanged(QtProperty *, QKeySequence)));
}

void QtKeySequenceEditorFactory::disconnectPropertyManager(QtKeySequencePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QKeySequence)), this,
               SLOT(slotPropertyChanged(QtProperty *, QKeySequence)));
}

QWidget *QtKeySequenceEditorFactory::createEditor(QtKeySequencePropertyManager *manager,
                                                  QtProperty *property, QWidget *parent)
{
    auto *editor = new QtKeySequenceEdit(parent);
    d_ptr->registerEditor(property, editor);
    editor->setKeySequence(manager->value(property));

    connect(editor, SIGNAL(keySequenceChanged(QKeySequence)), this,
            SLOT(slotSetValue(QKeySequence)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtKeySequenceEditorFactory::slotPropertyChanged(QtProperty *property,
                                                     const QKeySequence &value)
{
    const QList<QtKeySequenceEdit *> editors = d_ptr->editors(property);
    for (QtKeySequenceEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setKeySequence(value);
    }
}

void QtKeySequenceEditorFactory::slotSetValue(const QKeySequence &value)
{
    QtKeySequenceEdit *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtKeySequencePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtKeySequenceEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
