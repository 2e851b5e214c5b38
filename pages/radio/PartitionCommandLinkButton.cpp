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
    if (partition)
        setText(partition->jsonKey());
    if (text().isEmpty())
        setText(tr("Partition"));
}
