#pragma once

#include <QStyledItemDelegate>

// Editor of a key's owner: the users of the user table, opened at once, stored when the list
// closes with a user chosen.
class IButtonUserDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit IButtonUserDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
};
