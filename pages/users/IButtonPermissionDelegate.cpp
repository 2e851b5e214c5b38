#include "pages/users/IButtonPermissionDelegate.h"

#include "app/ComboBox.h"
#include "app/Logger.h"
#include "pages/users/IButtonSettings.h"

#include <QAbstractItemView>
#include <QPersistentModelIndex>

IButtonPermissionDelegate::IButtonPermissionDelegate(QObject *parent) : QStyledItemDelegate(parent)
{
}

QWidget *IButtonPermissionDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                 const QModelIndex &index) const
{
    auto *combo = new ComboBox(parent);
    combo->view()->setAccessibleName(QStringLiteral("comboViewKey%1Permission").arg(index.row()));
    for (int law = 1; law <= IButtonSettings::MaxLaw; ++law) {
        combo->addItem(IButtonSettings::lawName(law));
        combo->setItemData(law - 1, QStringLiteral("key%1Permission%2").arg(index.row()).arg(law),
                           Qt::AccessibleTextRole);
    }
    const QPersistentModelIndex cell(index);
    auto *self = const_cast<IButtonPermissionDelegate *>(this);
    // The list closing ends the edit: the next press on the table opens another cell at once.
    connect(combo, &ComboBox::popupHidden, this, [self, combo, cell] {
        if (cell.isValid())
            self->setModelData(combo, const_cast<QAbstractItemModel *>(cell.model()), cell);
        emit self->closeEditor(combo);
    });
    return combo;
}

void IButtonPermissionDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<ComboBox *>(editor);
    if (!combo) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    combo->view()->setAccessibleName(QStringLiteral("comboViewKey%1Permission").arg(index.row()));
    bool read = false;
    const int law = index.data(Qt::EditRole).toInt(&read);
    if (read)
        combo->setCurrentIndex(law - 1 < combo->count() ? law - 1 : -1);
    else
        logWarning(const_cast<IButtonPermissionDelegate *>(this),
                   tr("couldn't set combo box index"));
    if (!combo->isVisible())
        combo->showPopup();
}

void IButtonPermissionDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                             const QModelIndex &index) const
{
    auto *combo = qobject_cast<ComboBox *>(editor);
    // No current law (law 0 shown) and nothing chosen: the key keeps its law.
    if (combo && combo->currentIndex() >= 0)
        model->setData(index, combo->currentIndex() + 1, Qt::EditRole);
}
