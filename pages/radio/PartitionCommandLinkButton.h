#pragma once

#include <QCommandLinkButton>
#include <QPointer>

class Partition;
class PartitionModel;

// The button of one partition in the partition list of the devices tab; at most one
// of them is on.
class PartitionCommandLinkButton : public QCommandLinkButton
{
    Q_OBJECT
public:
    PartitionCommandLinkButton(Partition *partition, PartitionModel *model,
                               QWidget *parent = nullptr);

    Partition *partition() const { return m_partition; }

private:
    void refreshCaption();

    Partition *m_partition;
    QPointer<PartitionModel> m_model;
};
