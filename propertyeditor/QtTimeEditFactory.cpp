#include "propertyeditor/QtTimeEditFactory.h"

#include <QSignalBlocker>
#include <QTimeEdit>

QtTimeEditFactory::QtTimeEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtTimePropertyManager>(parent), d_ptr(new EditorRegistry<QTimeEdit>)
{
}

QtTimeEditFactory::~QtTimeEditFactory()
{
    delete d_ptr;
}

void QtTimeEditFactory::connectPropertyManager(QtTimePropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QTime)), this,
            SLOT(slotPropertyChanged(QtProperty *, QTime)));
}

void QtTimeEditFactory::disconnectPropertyManager(QtTimePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QTime)), this,
               SLOT(slotPropertyChanged(QtProperty *, QTime)));
}

QWidget *QtTimeEditFactory::createEditor(QtTimePropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QTimeEdit(parent);
    d_ptr->registerEditor(property, editor);
    editor->setTime(manager->value(property));

    connect(editor, SIGNAL(timeChanged(QTime)), this, SLOT(slotSetValue(QTime)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtTimeEditFactory::slotPropertyChanged(QtProperty *property, const QTime &value)
{
    const QList<QTimeEdit *> editors = d_ptr->editors(property);
    for (QTimeEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setTime(value);
    }
}

void QtTimeEditFactory::slotSetValue(const QTime &value)
{
    QTimeEdit *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtTimePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtTimeEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
