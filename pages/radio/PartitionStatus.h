#pragma once

#include <QPointer>
#include <QWidget>

#include "radio/Partition.h"
class QLabel;
class QPushButton;

// One row of the partition status panel: the state icon, the caption and the button
// that arms or disarms the partition.
class PartitionStatus : public QWidget
{
    Q_OBJECT
public:
    explicit PartitionStatus(Partition *partition, QWidget *parent = nullptr);

    Partition *partition() const { return m_partition; }
    QLabel *captionLabel() const { return m_caption; }
    QLabel *iconLabel() const { return m_icon; }
    QPushButton *lockButton() const { return m_button; }

public slots:
    void partitionUpdated();

private:
    void onLockButtonClicked();

    QPointer<Partition> m_partition;
    QLabel *m_caption;
    QLabel *m_icon;
    QPushButton *m_button;
};
