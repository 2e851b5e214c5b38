#include "pages/radio/PartitionCommandLinkButton.h"

#include "radio/Partition.h"
#include "radio/PartitionModel.h"

PartitionCommandLinkButton::PartitionCommandLinkButton(Partition *partition, PartitionModel *model,
                                                       QWidget *parent)
    : QCommandLinkButton(parent), m_partition(partition), m_model(model)
{
    setCheckable(true);
    setAutoExclusive(true);
    setIcon(QIcon());
    refreshCaption();
    // The name arrives with the partition's record, after the button exists.
    if (partition)
        connect(partition, &Partition::updated, this, &PartitionCommandLinkButton::refreshCaption);
}

void PartitionCommandLinkButton::refreshCaption()
{
    const QString name = m_partition ? m_partition->jsonKey() : QString();
    setText(name.isEmpty() ? tr("Partition") : name);
}
