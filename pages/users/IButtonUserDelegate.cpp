#include "pages/users/IButtonUserDelegate.h"

#include "app/ComboBox.h"
#include "app/Overmind.h"
#include "pages/users/UserModel.h"

#include <QAbstractItemView>
#include <QPersistentModelIndex>

IButtonUserDelegate::IButtonUserDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QWidget *IButtonUserDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                           const QModelIndex &index) const
{
    auto *combo = new ComboBox(parent);
    combo->view()->setAccessibleName(QStringLiteral("comboViewKey%1User").arg(index.row()));
    combo->setMaxVisibleItems(20);
    Overmind *overmind = Overmind::instance();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (users) {
        for (const UserSettings *user : users->users()) {
            combo->addItem(user->jsonKey(), int(user->id()));
            combo->setItemData(combo->count() - 1,
                               QStringLiteral("key%1User%2").arg(index.row()).arg(combo->count()),
                               Qt::AccessibleTextRole);
        }
    }
    // Nothing is chosen until the installer picks a user.
    combo->setCurrentIndex(-1);
    const QPersistentModelIndex cell(index);
    auto *self = const_cast<IButtonUserDelegate *>(this);
    // The list closing ends the edit: the next press on the table opens another cell at once.
    connect(combo, &ComboBox::popupHidden, this, [self, combo, cell] {
        if (cell.isValid())
            self->setModelData(combo, const_cast<QAbstractItemModel *>(cell.model()), cell);
        emit self->closeEditor(combo);
    });
    return combo;
}

void IButtonUserDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<ComboBox *>(editor);
    if (!combo)
        return;
    combo->view()->setAccessibleName(QStringLiteral("comboViewKey%1User").arg(index.row()));
    // An owner not in the list (none, or a deleted user) leaves no user current.
    combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole).toInt()));
    if (!combo->isVisible())
        combo->showPopup();
}

void IButtonUserDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                       const QModelIndex &index) const
{
    auto *combo = qobject_cast<ComboBox *>(editor);
    if (combo && combo->currentIndex() >= 0)
        model->setData(index, combo->currentData(), Qt::EditRole);
}
