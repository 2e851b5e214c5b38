#include "pages/users/IButtonPartitionDelegate.h"

#include "app/ComboBox.h"
#include "pages/users/IButtonModel.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QStandardItemModel>

IButtonPartitionDelegate::IButtonPartitionDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QWidget *IButtonPartitionDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                const QModelIndex &index) const
{
    auto *combo = new ComboBox(parent);
    combo->view()->setAccessibleName(QStringLiteral("comboViewKey%1Partition").arg(index.row()));
    combo->setMaxVisibleItems(20);
    // The same in every style: a double click toggles a partition, a click selects nothing.
    combo->setItemDelegate(new QStyledItemDelegate(combo));
    combo->setEditable(true);
    combo->lineEdit()->setReadOnly(true);
    auto *items = qobject_cast<QStandardItemModel *>(combo->model());
    const auto *keys = qobject_cast<const IButtonModel *>(index.model());
    for (int number = 1; number < IButtonModel::partitionCount(); ++number) {
        const QString name = keys ? keys->partitionsText(quint32(1) << number) : QString();
        auto *item = new QStandardItem(name);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setData(Qt::Unchecked, Qt::CheckStateRole);
        item->setData(QStringLiteral("key%1Partition%2").arg(index.row()).arg(number),
                      Qt::AccessibleTextRole);
        items->appendRow(item);
    }
    connect(combo, &ComboBox::clicked, this, &IButtonPartitionDelegate::onPartitionComboClicked);
    const QPersistentModelIndex cell(index);
    auto *self = const_cast<IButtonPartitionDelegate *>(this);
    // The list closing ends the edit: the next press on the table opens another cell at once.
    connect(combo, &ComboBox::popupHidden, this, [self, combo, cell] {
        if (cell.isValid())
            self->setModelData(combo, const_cast<QAbstractItemModel *>(cell.model()), cell);
        emit self->closeEditor(combo);
    });
    connect(combo->view(), &QAbstractItemView::doubleClicked, combo,
            [combo](const QModelIndex &item) {
                const bool checked = item.data(Qt::CheckStateRole).toInt() == Qt::Checked;
                combo->setItemData(item.row(), checked ? Qt::Unchecked : Qt::Checked,
                                   Qt::CheckStateRole);
                showSummary(combo);
            });
    return combo;
}

void IButtonPartitionDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<ComboBox *>(editor);
    if (!combo)
        return;
    const quint32 mask = index.data(Qt::EditRole).toUInt();
    for (int i = 0; i < combo->count() && i < 31; ++i)
        combo->setItemData(i, mask & (quint32(1) << (i + 1)) ? Qt::Checked : Qt::Unchecked,
                           Qt::CheckStateRole);
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setText(index.data(Qt::DisplayRole).toString());
    combo->view()->setAccessibleName(QStringLiteral("comboViewKey%1Partition").arg(index.row()));
    if (!combo->isVisible())
        combo->showPopup();
}

quint32 IButtonPartitionDelegate::checkedMask(const ComboBox *combo)
{
    quint32 mask = 0;
    for (int i = 0; i < combo->count() && i < 31; ++i)
        if (combo->itemData(i, Qt::CheckStateRole).toInt() == Qt::Checked)
            mask |= quint32(1) << (i + 1);
    return mask;
}

void IButtonPartitionDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                            const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<ComboBox *>(editor))
        model->setData(index, uint(checkedMask(combo)), Qt::EditRole);
}

void IButtonPartitionDelegate::showSummary(ComboBox *combo)
{
    const quint32 mask = checkedMask(combo);
    QStringList names;
    for (int i = 0; i < combo->count() && i < 31; ++i)
        if (mask & (quint32(1) << (i + 1)))
            names << combo->itemText(i);
    combo->lineEdit()->setText(names.isEmpty() ? tr("No partitions")
                                               : names.join(QStringLiteral(", ")));
}

void IButtonPartitionDelegate::onPartitionComboClicked()
{
    auto *combo = qobject_cast<ComboBox *>(sender());
    if (!combo)
        return;
    combo->view()->setAccessibleName(QStringLiteral("comboViewKey_Partition"));
    showSummary(combo);
}
