#include "propertyeditor/QtSpinBoxFactory.h"

#include <QSignalBlocker>
#include <QSpinBox>

QtSpinBoxFactory::QtSpinBoxFactory(QObject *parent)
    : QtAbstractEditorFactory<QtIntPropertyManager>(parent), d_ptr(new EditorRegistry<QSpinBox>)
{
}

QtSpinBoxFactory::~QtSpinBoxFactory()
{
    delete d_ptr;
}

void QtSpinBoxFactory::connectPropertyManager(QtIntPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotPropertyChanged(QtProperty *, int)));
    connect(manager, SIGNAL(rangeChanged(QtProperty *, int, int)), this,
            SLOT(slotRangeChanged(QtProperty *, int, int)));
    connect(manager, SIGNAL(singleStepChanged(QtProperty *, int)), this,
            SLOT(slotSingleStepChanged(QtProperty *, int)));
    connect(manager, SIGNAL(readOnlyChanged(QtProperty *, bool)), this,
            SLOT(slotReadOnlyChanged(QtProperty *, bool)));
    connect(manager, SIGNAL(suffixChanged(QtProperty *, QString)), this,
            SLOT(slotSuffixChanged(QtProperty *, QString)));
}

void QtSpinBoxFactory::disconnectPropertyManager(QtIntPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
               SLOT(slotPropertyChanged(QtProperty *, int)));
    disconnect(manager, SIGNAL(rangeChanged(QtProperty *, int, int)), this,
               SLOT(slotRangeChanged(QtProperty *, int, int)));
    disconnect(manager, SIGNAL(singleStepChanged(QtProperty *, int)), this,
               SLOT(slotSingleStepChanged(QtProperty *, int)));
    disconnect(manager, SIGNAL(readOnlyChanged(QtProperty *, bool)), this,
               SLOT(slotReadOnlyChanged(QtProperty *, bool)));
    disconnect(manager, SIGNAL(suffixChanged(QtProperty *, QString)), this,
               SLOT(slotSuffixChanged(QtProperty *, QString)));
}

QWidget *QtSpinBoxFactory::createEditor(QtIntPropertyManager *manager, QtProperty *property,
                                        QWidget *parent)
{
    if (manager->isReadOnly(property))
        return nullptr;
    auto *editor = new QSpinBox(parent);
    d_ptr->registerEditor(property, editor);
    editor->setSingleStep(manager->singleStep(property));
    editor->setRange(manager->minimum(property), manager->maximum(property));
    editor->setValue(manager->value(property));
    editor->setKeyboardTracking(false);
    editor->setReadOnly(manager->isReadOnly(property));
    editor->setSuffix(manager->suffix(property));

    // Arrow steps and typing stay in the editor until editing finishes.
    connect(editor, &QSpinBox::editingFinished, this,
            [this, editor]() { commit(editor, editor->value()); });
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtSpinBoxFactory::slotPropertyChanged(QtProperty *property, int value)
{
    const QList<QSpinBox *> editors = d_ptr->editors(property);
    for (QSpinBox *editor : editors) {
        if (editor->value() == value)
            continue;
        const QSignalBlocker blocker(editor);
        editor->setValue(value);
    }
}

void QtSpinBoxFactory::slotRangeChanged(QtProperty *property, int min, int max)
{
    QtIntPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QList<QSpinBox *> editors = d_ptr->editors(property);
    for (QSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setRange(min, max);
        editor->setValue(manager->value(property));
    }
}

void QtSpinBoxFactory::slotSingleStepChanged(QtProperty *property, int step)
{
    const QList<QSpinBox *> editors = d_ptr->editors(property);
    for (QSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setSingleStep(step);
    }
}

void QtSpinBoxFactory::slotReadOnlyChanged(QtProperty *property, bool readOnly)
{
    const QList<QSpinBox *> editors = d_ptr->editors(property);
    for (QSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setReadOnly(readOnly);
    }
}

void QtSpinBoxFactory::slotSuffixChanged(QtProperty *property, const QString &suffix)
{
    const QList<QSpinBox *> editors = d_ptr->editors(property);
    for (QSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setSuffix(suffix);
    }
}

void QtSpinBoxFactory::slotSetValue(int value)
{
    commit(sender(), value);
}

void QtSpinBoxFactory::commit(QObject *object, int value)
{
    QSpinBox *editor = d_ptr->editorOf(object);
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtIntPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtSpinBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
