#include "propertyeditor/QtDateTimeEditFactory.h"

#include <QDateTimeEdit>
#include <QSignalBlocker>

QtDateTimeEditFactory::QtDateTimeEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtDateTimePropertyManager>(parent),
      d_ptr(new EditorRegistry<QDateTimeEdit>)
{
}

QtDateTimeEditFactory::~QtDateTimeEditFactory()
{
    delete d_ptr;
}

void QtDateTimeEditFactory::connectPropertyManager(QtDateTimePropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QDateTime)), this,
            SLOT(slotPropertyChanged(QtProperty *, QDateTime)));
}

void QtDateTimeEditFactory::disconnectPropertyManager(QtDateTimePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QDateTime)), this,
               SLOT(slotPropertyChanged(QtProperty *, QDateTime)));
}

QWidget *QtDateTimeEditFactory::createEditor(QtDateTimePropertyManager *manager,
                                             QtProperty *property, QWidget *parent)
{
    auto *editor = new QDateTimeEdit(parent);
    d_ptr->registerEditor(property, editor);
    editor->setDateTime(manager->value(property));

    connect(editor, SIGNAL(dateTimeChanged(QDateTime)), this, SLOT(slotSetValue(QDateTime)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtDateTimeEditFactory::slotPropertyChanged(QtProperty *property, const QDateTime &value)
{
    const QList<QDateTimeEdit *> editors = d_ptr->editors(property);
    for (QDateTimeEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setDateTime(value);
    }
}

void QtDateTimeEditFactory::slotSetValue(const QDateTime &value)
{
    QDateTimeEdit *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtDateTimePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDateTimeEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
