#pragma once

#include <QStyledItemDelegate>

// Editor of a key's access law: the five laws, opened at once, stored when the list closes.
class IButtonPermissionDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit IButtonPermissionDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
};
