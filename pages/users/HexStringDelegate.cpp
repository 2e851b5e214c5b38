#include "pages/users/HexStringDelegate.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

HexStringDelegate::HexStringDelegate(QObject *parent) : QItemDelegate(parent) {}

QWidget *HexStringDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9a-fA-F]*")), editor));
    editor->setMaxLength(12);
    editor->setAccessibleName(QStringLiteral("lineKey%1").arg(index.row()));
    return editor;
}

void HexStringDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setText(index.data(Qt::EditRole).toString());
}

void HexStringDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        model->setData(index, line->text(), Qt::EditRole);
}

void HexStringDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                             const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
