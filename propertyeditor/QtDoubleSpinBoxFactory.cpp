#include "propertyeditor/QtDoubleSpinBoxFactory.h"

#include <QDoubleSpinBox>
#include <QSignalBlocker>

QtDoubleSpinBoxFactory::QtDoubleSpinBoxFactory(QObject *parent)
    : QtAbstractEditorFactory<QtDoublePropertyManager>(parent),
      d_ptr(new EditorRegistry<QDoubleSpinBox>)
{
}

QtDoubleSpinBoxFactory::~QtDoubleSpinBoxFactory()
{
    delete d_ptr;
}

void QtDoubleSpinBoxFactory::connectPropertyManager(QtDoublePropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, double)), this,
            SLOT(slotPropertyChanged(QtProperty *, double)));
    connect(manager, SIGNAL(rangeChanged(QtProperty *, double, double)), this,
            SLOT(slotRangeChanged(QtProperty *, double, double)));
    connect(manager, SIGNAL(singleStepChanged(QtProperty *, double)), this,
            SLOT(slotSingleStepChanged(QtProperty *, double)));
    connect(manager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
            SLOT(slotDecimalsChanged(QtProperty *, int)));
    connect(manager, SIGNAL(readOnlyChanged(QtProperty *, bool)), this,
            SLOT(slotReadOnlyChanged(QtProperty *, bool)));
    connect(manager, SIGNAL(suffixChanged(QtProperty *, QString)), this,
            SLOT(slotSuffixChanged(QtProperty *, QString)));
}

void QtDoubleSpinBoxFactory::disconnectPropertyManager(QtDoublePropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, double)), this,
               SLOT(slotPropertyChanged(QtProperty *, double)));
    disconnect(manager, SIGNAL(rangeChanged(QtProperty *, double, double)), this,
               SLOT(slotRangeChanged(QtProperty *, double, double)));
    disconnect(manager, SIGNAL(singleStepChanged(QtProperty *, double)), this,
               SLOT(slotSingleStepChanged(QtProperty *, double)));
    disconnect(manager, SIGNAL(decimalsChanged(QtProperty *, int)), this,
               SLOT(slotDecimalsChanged(QtProperty *, int)));
    disconnect(manager, SIGNAL(readOnlyChanged(QtProperty *, bool)), this,
               SLOT(slotReadOnlyChanged(QtProperty *, bool)));
    disconnect(manager, SIGNAL(suffixChanged(QtProperty *, QString)), this,
               SLOT(slotSuffixChanged(QtProperty *, QString)));
}

QWidget *QtDoubleSpinBoxFactory::createEditor(QtDoublePropertyManager *manager,
                                              QtProperty *property, QWidget *parent)
{
    if (manager->isReadOnly(property))
        return nullptr;
    auto *editor = new QDoubleSpinBox(parent);
    d_ptr->registerEditor(property, editor);
    editor->setSingleStep(manager->singleStep(property));
    editor->setDecimals(manager->decimals(property));
    editor->setRange(manager->minimum(property), manager->maximum(property));
    editor->setValue(manager->value(property));
    editor->setKeyboardTracking(false);
    editor->setReadOnly(manager->isReadOnly(property));
    editor->setSuffix(manager->suffix(property));

    // Arrow steps and typing stay in the editor until editing finishes.
    connect(editor, &QDoubleSpinBox::editingFinished, this,
            [this, editor]() { commit(editor, editor->value()); });
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtDoubleSpinBoxFactory::slotPropertyChanged(QtProperty *property, double value)
{
    const QList<QDoubleSpinBox *> editors = d_ptr->editors(property);
    for (QDoubleSpinBox *editor : editors) {
        if (editor->value() == value)
            continue;
        const QSignalBlocker blocker(editor);
        editor->setValue(value);
    }
}

void QtDoubleSpinBoxFactory::slotRangeChanged(QtProperty *property, double min, double max)
{
    QtDoublePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QList<QDoubleSpinBox *> editors = d_ptr->editors(property);
    for (QDoubleSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setRange(min, max);
        editor->setValue(manager->value(property));
    }
}

void QtDoubleSpinBoxFactory::slotSingleStepChanged(QtProperty *property, double step)
{
    const QList<QDoubleSpinBox *> editors = d_ptr->editors(property);
    for (QDoubleSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setSingleStep(step);
    }
}

void QtDoubleSpinBoxFactory::slotDecimalsChanged(QtProperty *property, int prec)
{
    QtDoublePropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QList<QDoubleSpinBox *> editors = d_ptr->editors(property);
    for (QDoubleSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setDecimals(prec);
        editor->setValue(manager->value(property));
    }
}

void QtDoubleSpinBoxFactory::slotReadOnlyChanged(QtProperty *property, bool readOnly)
{
    const QList<QDoubleSpinBox *> editors = d_ptr->editors(property);
    for (QDoubleSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setReadOnly(readOnly);
    }
}

void QtDoubleSpinBoxFactory::slotSuffixChanged(QtProperty *property, const QString &suffix)
{
    const QList<QDoubleSpinBox *> editors = d_ptr->editors(property);
    for (QDoubleSpinBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setSuffix(suffix);
    }
}

void QtDoubleSpinBoxFactory::slotSetValue(double value)
{
    commit(sender(), value);
}

void QtDoubleSpinBoxFactory::commit(QObject *object, double value)
{
    QDoubleSpinBox *editor = d_ptr->editorOf(object);
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtDoublePropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtDoubleSpinBoxFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
