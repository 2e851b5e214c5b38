#pragma once

#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QStandardItemModel;

// A caption and a combo whose drop-down list checks partitions 1..N-1; the closed combo
// names the checked ones. Yields and takes a mask with bit p for partition p.
class PartitionSelectionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PartitionSelectionWidget(QWidget *parent = nullptr);

    quint32 partitionsMask() const;
    void setPartitionsMask(quint32 mask);
    void excludePartition(int partition);
    void includePartition(int partition);
    void setSelectionActive(bool active);
    void setComboEnabled(bool enabled);
    void setLabelText(const QString &text);
    QComboBox *combo() const { return m_combo; }

public slots:
    void initPartitionList();
    void onUpdateComboClicked();

signals:
    void edited();
    void changed();
    void focusOuted();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static int partitionSlots();
    static QString partitionName(int partition);
    void applyMask(quint32 mask);
    void onSpace();
    void onComboFocusOut();

    QLabel *m_label;
    QComboBox *m_combo;
    QStandardItemModel *m_model = nullptr;
    QList<int> m_excluded;
    int m_ownPartition = -1;
    quint32 m_mask = 0;
    QString m_shownText;
    bool m_openedBySpace = false;
    bool m_popupWindowFocusLoss = false;
};
