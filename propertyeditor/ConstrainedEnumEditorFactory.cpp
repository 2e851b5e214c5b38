#include "propertyeditor/ConstrainedEnumEditorFactory.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalBlocker>

ConstrainedEnumEditorFactory::ConstrainedEnumEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<ConstrainedEnumPropertyManager>(parent),
      d_ptr(new EditorRegistry<QComboBox>)
{
}

ConstrainedEnumEditorFactory::~ConstrainedEnumEditorFactory()
{
    // Unlike the other factories this one takes its open boxes along.
    const QList<QComboBox *> editors = d_ptr->allEditors();
    delete d_ptr;
    d_ptr = nullptr;
    qDeleteAll(editors);
}

void ConstrainedEnumEditorFactory::connectPropertyManager(ConstrainedEnumPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotPropertyChanged(QtProperty *, int)));
    connect(manager, SIGNAL(enumNamesChanged(QtProperty *, QStringList)), this,
            SLOT(slotEnumNamesChanged(QtProperty *, QStringList)));
}

void ConstrainedEnumEditorFactory::disconnectPropertyManager(
    ConstrainedEnumPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, int)), this,
               SLOT(slotPropertyChanged(QtProperty *, int)));
    disconnect(manager, SIGNAL(enumNamesChanged(QtProperty *, QStringList)), this,
               SLOT(slotEnumNamesChanged(QtProperty *, QStringList)));
}

void ConstrainedEnumEditorFactory::fill(QComboBox *editor, ConstrainedEnumPropertyManager *manager,
                                        QtProperty *property)
{
    const QStringList names = manager->enumNames(property);
    const QVector<int> offered = manager->shownIndexes(property);
    const QMap<int, QIcon> icons = manager->enumIcons(property);
    const int current = manager->value(property);
    editor->clear();
    int currentRow = -1;
    for (int index : offered) {
        if (index < 0 || index >= names.size())
            continue;
        editor->addItem(icons.value(index), names.at(index), index);
        editor->setItemData(editor->count() - 1, names.at(index), Qt::ToolTipRole);
        if (index == current)
            currentRow = editor->count() - 1;
    }
    editor->setCurrentIndex(currentRow);
}

QWidget *ConstrainedEnumEditorFactory::createEditor(ConstrainedEnumPropertyManager *manager,
                                                    QtProperty *property, QWidget *parent)
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

void ConstrainedEnumEditorFactory::slotPropertyChanged(QtProperty *property, int value)
{
    const QList<QComboBox *> editors = d_ptr->editors(property);
    for (QComboBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setCurrentIndex(editor->findData(value));
    }
}

void ConstrainedEnumEditorFactory::slotEnumNamesChanged(QtProperty *property, const QStringList &)
{
    const QList<QComboBox *> editors = d_ptr->editors(property);
    if (editors.isEmpty())
        return;
    ConstrainedEnumPropertyManager *manager = propertyManager(property);
    if (!manager)
        return;
    for (QComboBox *editor : editors) {
        const QSignalBlocker blocker(editor);
        fill(editor, manager, property);
    }
}

void ConstrainedEnumEditorFactory::slotEnumIconsChanged(QtProperty *, const QMap<int, QIcon> &) {}

void ConstrainedEnumEditorFactory::slotSetValue(int row)
{
    QComboBox *editor = d_ptr->editorOf(sender());
    if (!editor || row < 0)
        return;
    bool isIndex = false;
    const int index = editor->itemData(row).toInt(&isIndex);
    QtProperty *property = d_ptr->propertyOf(editor);
    ConstrainedEnumPropertyManager *manager = propertyManager(property);
    if (!isIndex || !manager)
        return;
    // Only indexes that have a device value may be written.
    if (index < 0 || index >= manager->enumValues(property).size())
        return;
    manager->setValue(property, index);
}

void ConstrainedEnumEditorFactory::slotEditorDestroyed(QObject *object)
{
    if (d_ptr)
        d_ptr->editorDestroyed(object);
}
