#include "radio/PartitionModel.h"

#include "app/DeviceInfo.h"
#include "app/Overmind.h"
#include "radio/Partition.h"

PartitionModel::PartitionModel(Protocol *protocol, QObject *parent)
    : QAbstractListModel(parent), Storable(protocol)
{
    Overmind *overmind = Overmind::instance();
    m_partitionCount = overmind ? overmind->deviceInfo().partitionCount() : 0;
    for (int i = 0; i < m_partitionCount; ++i)
        m_partitions.push_back(std::make_shared<Partition>(protocol, i, i == 0 ? 0 : 1, 0));
    m_allDevices = std::make_shared<Partition>(protocol, m_partitionCount, 0, 1);
    m_halvorDevices = std::make_shared<Partition>(protocol, m_partitionCount + 1, 0, 1);
}

PartitionModel::~PartitionModel() = default;

Partition *PartitionModel::partition(uchar number) const
{
    return number < m_partitions.size() ? m_partitions[number].get() : nullptr;
}

void PartitionModel::moveSensor(uchar partition, Sensor *device)
{
    Sensor::SPtr listed;
    for (const Sensor::SPtr &candidate : m_sensors) {
        if (candidate.get() == device) {
            listed = candidate;
            break;
        }
    }
    if (!listed)
        return;
    if (Partition *target = this->partition(partition))
        target->addSensor(listed);
    m_allDevices->addSensor(listed);
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode())
        storeToFile();
}
