#include "propertyeditor/QtColorEditorFactory.h"

#include "propertyeditor/QtColorEditWidget.h"

QtColorEditorFactory::QtColorEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtColorPropertyManager>(parent),
      d_ptr(new EditorRegistry<QtColorEditWidget>)
{
}

QtColorEditorFactory::~QtColorEditorFactory()
{
    delete d_ptr;
}

void QtColorEditorFactory::connectPropertyManager(QtColorPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QColor)), this,
            SLOT(slotPropertyChanged(QtProperty *, QColor)));
}

void QtColorEditorFactory::disconnectPropertyManager(QtColorPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QColor)), this,
               SLOT(slotPropertyChanged(QtProperty *, QColor)));
}

QWidget *QtColorEditorFactory::createEditor(QtColorPropertyManager *manager, QtProperty *property,
                                            QWidget *parent)
{
    auto *editor = new QtColorEditWidget(parent);
    d_ptr->registerEditor(property, editor);
    editor->setValue(manager->value(property));

    connect(editor, SIGNAL(valueChanged(QColor)), this, SLOT(slotSetValue(QColor)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtColorEditorFactory::slotPropertyChanged(QtProperty *property, const QColor &value)
{
    const QList<QtColorEditWidget *> editors = d_ptr->editors(property);
    for (QtColorEditWidget *editor : editors) {
        editor->setValue(value);
    }
}

void QtColorEditorFactory::slotSetValue(const QColor &value)
{
    QtColorEditWidget *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtColorPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtColorEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
