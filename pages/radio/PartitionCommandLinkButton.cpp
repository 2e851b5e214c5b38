#include "pages/radio/PartitionCommandLinkButton.h"

#include "radio/PartitionModel.h"

#if __has_include("radio/Partition.h")
#include "radio/Partition.h"
#define KORVEL_HAS_PARTITION 1
#endif

PartitionCommandLinkButton::PartitionCommandLinkButton(Partition *partition, PartitionModel *model,
                                                       QWidget *parent)
    : QCommandLinkButton(parent), m_partition(partition), m_model(model)
{
    setCheckable(true);
    setAutoExclusive(true);
    setIcon(QIcon());
#ifdef KORVEL_HAS_PARTITION
    if (partition)
        setText(partition->jsonKey());
#endif
    if (text().isEmpty())
        setText(tr("Partition"));
}
