#pragma once

#include <QItemDelegate>

// Line editor of a key identifier: hexadecimal digits, at most twelve.
class HexStringDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit HexStringDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};
