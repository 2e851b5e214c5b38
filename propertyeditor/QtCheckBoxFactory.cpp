#include "propertyeditor/QtCheckBoxFactory.h"

#include "propertyeditor/QtBoolEdit.h"

QtCheckBoxFactory::QtCheckBoxFactory(QObject *parent)
    : QtAbstractEditorFactory<QtBoolPropertyManager>(parent), d_ptr(new EditorRegistry<QtBoolEdit>)
{
}

QtCheckBoxFactory::~QtCheckBoxFactory()
{
    delete d_ptr;
}

void QtCheckBoxFactory::connectPropertyManager(QtBoolPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, bool)), this,
            SLOT(slotPropertyChanged(QtProperty *, bool)));
    connect(manager, SIGNAL(textVisibleChanged(QtProperty *, bool)), this,
            SLOT(slotTextVisibleChanged(QtProperty *, bool)));
}

void QtCheckBoxFactory::disconnectPropertyManager(QtBoolPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, bool)), this,
               SLOT(slotPropertyChanged(QtProperty *, bool)));
    disconnect(manager, SIGNAL(textVisibleChanged(QtProperty *, bool)), this,
               SLOT(slotTextVisibleChanged(QtProperty *, bool)));
}

QWidget *QtCheckBoxFactory::createEditor(QtBoolPropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QtBoolEdit(parent);
    d_ptr->registerEditor(property, editor);
    editor->setChecked(manager->value(property));
    editor->setTextVisible(manager->textVisible(property));
    editor->setCaptions(manager->captions(property));

    connect(editor, SIGNAL(toggled(bool)), this, SLOT(slotSetValue(bool)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtCheckBoxFactory::slotPropertyChanged(QtProperty *property, bool value)
{
    const QList<QtBoolEdit *> editors = d_ptr->editors(property);
    for (QtBoolEdit *editor : editors) {
        const bool blocked = editor->blockCheckBoxSignals(true);
        editor->setChecked(value);
        editor->blockCheckBoxSignals(blocked);
    }
}

void QtCheckBoxFactory::slotTextVisibleChanged(QtProperty *property, bool textVisible)
{
    const QList<QtBoolEdit *> editors = d_ptr->editors(property);
    for (QtBoolEdit *editor : editors)
        editor->setTextVisible(textVisible);
}

void QtCheckBoxFactory::slotSetValue(bool value)
{
    QtBoolEdit *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtBoolPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtCheckBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
