#include "propertyeditor/QtDateEditFactory.h"

#include <QDateEdit>
#include <QSignalBlocker>

QtDateEditFactory::QtDateEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtDatePropertyManager>(parent), d_ptr(new EditorRegistry<QDateEdit>)
{
}

QtDateEditFactory::~QtDateEditFactory()
{
    delete d_ptr;
}

void QtDateEditFactory::connectPropertyManager(QtDatePropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QDate)), this,
            SLOT(slotPropertyChanged(QtProperty *, QDate)));
    connect(manager, SIGNAL(rangeChanged(QtProperty *, QDate, QDate)), this,
            SLOT(slotRangeChanged(QtProperty *, QDate, QDate)));
}

void QtDateEditFactory::disconnectPropertyManager(QtDatePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QDate)), this,
               SLOT(slotPropertyChanged(QtProperty *, QDate)));
    disconnect(manager, SIGNAL(rangeChanged(QtProperty *, QDate, QDate)), this,
               SLOT(slotRangeChanged(QtProperty *, QDate, QDate)));
}

QWidget *QtDateEditFactory::createEditor(QtDatePropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    auto *editor = new QDateEdit(parent);
    d_ptr->registerEditor(property, editor);
    editor->setCalendarPopup(true);
    editor->setDateRange(manager->minimum(property), manager->maximum(property));
    editor->setDate(manager->value(property));

    connect(editor, SIGNAL(dateChanged(QDate)), this, SLOT(slotSetValue(QDate)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtDateEditFactory::slotPropertyChanged(QtProperty *property, const QDate &value)
{
    const QList<QDateEdit *> editors = d_ptr->editors(property);
    for (QDateEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setDate(value);
    }
}

void QtDateEditFactory::slotRangeChanged(QtProperty *property, const QDate &min, const QDate &max)
{
    QtDatePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QList<QDateEdit *> editors = d_ptr->editors(property);
    for (QDateEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setDateRange(min, max);
        editor->setDate(manager->value(property));
    }
}

void QtDateEditFactory::slotSetValue(const QDate &value)
{
    QDateEdit *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtDatePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDateEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
