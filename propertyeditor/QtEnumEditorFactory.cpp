#include "propertyeditor/QtEnumEditorFactory.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalBlocker>

QtEnumEditorFactory::QtEnumEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtEnumPropertyManager>(parent), d_ptr(new EditorRegistry<QComboBox>)
{
}

QtEnumEditorFactory::~QtEnumEditorFactory()
{
    delete d_ptr;
}

void QtEnumEditorFactory::connectPropertyManager(QtEnumPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotPropertyChanged(QtProperty *, int)));
    connect(manager, SIGNAL(enumNamesChanged(QtProperty *, QStringList)), this,
            SLOT(slotEnumNamesChanged(QtProperty *, QStringList)));
}

void QtEnumEditorFactory::disconnectPropertyManager(QtEnumPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
               SLOT(slotPropertyChanged(QtProperty *, int)));
    disconnect(manager, SIGNAL(enumNamesChanged(QtProperty *, QStringList)), this,
               SLOT(slotEnumNamesChanged(QtProperty *, QStringList)));
}

void QtEnumEditorFactory::fill(QComboBox *editor, QtEnumPropertyManager *manager,
                               QtProperty *property)
{
    const QStringList names = manager->enumNames(property);
    const QMap<int, QIcon> icons = manager->enumIcons(property);
    editor->clear();
    editor->addItems(names);
    for (int i = 0; i < names.size(); ++i)
        editor->setItemIcon(i, icons.value(i));
    editor->setCurrentIndex(manager->value(property));
}

QWidget *QtEnumEditorFactory::createEditor(QtEnumPropertyManager *manager, QtProperty *property,
                                           QWidget *parent)
{
    auto *editor = new QComboBox(parent);
    d_ptr->registerEditor(property, editor);
    editor->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    editor->setMinimumContentsLength(1);
    editor->view()->setTextElideMode(Qt::ElideRight);
    fill(editor, manager, property);

    connect(editor, SIGNAL(currentIndexChanged(int)), this, SLOT(slotSetValue(int)));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtEnumEditorFactory::slotPropertyChanged(QtProperty *property, int value)
{
    const QList<QComboBox *> editors = d_ptr->editors(property);
    for (QComboBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setCurrentIndex(value);
    }
}

void QtEnumEditorFactory::slotEnumNamesChanged(QtProperty *property, const QStringList &)
{
    QtEnumPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    const QList<QComboBox *> editors = d_ptr->editors(property);
    for (QComboBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        fill(editor, manager, property);
    }
}

void QtEnumEditorFactory::slotSetValue(int value)
{
    QComboBox *editor = d_ptr->editorOf(sender());
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtEnumPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtEnumEditorFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
