#pragma once

#include <QStyledItemDelegate>

class ComboBox;

// Editor of a key's partitions: a list of checkable partitions that opens at once and
// stores the mask when it closes.
class IButtonPartitionDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit IButtonPartitionDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

public slots:
    void onPartitionComboClicked();

private:
    static quint32 checkedMask(const ComboBox *combo);
    static void showSummary(ComboBox *combo);
};
