#include "app/ComboBoxDelegate.h"

#include <QComboBox>

ComboBoxDelegate::ComboBoxDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QWidget *ComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    // A single choice leaves nothing to pick, so such a cell is not editable.
    if (index.data(Qt::UserRole).toStringList().size() <= 1)
        return nullptr;
    auto *editor = new QComboBox(parent);
    editor->setFrame(false);
    return editor;
}

void ComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return;
    combo->addItems(index.data(Qt::UserRole).toStringList());
    bool isNumber = false;
    const int selected = index.data(Qt::EditRole).toInt(&isNumber);
    combo->setCurrentIndex(isNumber ? selected : 0);
}

void ComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo || combo->count() == 0)
        return;
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    model->setData(index, items, Qt::UserRole);
    const int selected = combo->currentIndex();
    model->setData(index, selected >= 0 && selected < items.size() ? items.at(selected) : QString(),
                   Qt::EditRole);
}

void ComboBoxDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
