#include "app/DeviceInfo.h"

#include <cstring>

void DeviceInfo::setCommonLimits()
{
    m_partitionCount = 17;
    m_directionCount = 10;
    m_radioChannelCount = 10;
    m_maxKeys = 64;
    m_maxUsers = 64;
    m_hasEthernet = true;
}

void DeviceInfo::init(int /*execution*/, int modification, int hardwareVersion, int version)
{
    m_execution = 0;
    m_modification = modification;
    m_hardwareVersion = hardwareVersion & 0xFFFF;
    m_version = version & 0xFFFF;
    setCommonLimits();
    m_maxSensors = 100;
}

void DeviceInfo::initForExecution(int execution, int modification, int hardwareVersion, int version)
{
    m_execution = execution;
    m_modification = modification;
    m_hardwareVersion = hardwareVersion & 0xFFFF;
    m_version = version & 0xFFFF;
    if (execution < 0 || execution > 2)
        return;
    setCommonLimits();
    m_maxSensors = execution == 2 ? 50 : 100;
}

void DeviceInfo::setFirmwareInfo(const void *info)
{
    std::memcpy(m_firmwareInfo.data(), info, m_firmwareInfo.size());
}

int DeviceInfo::deviceType() const
{
    return m_firmwareInfo[58] | (m_firmwareInfo[59] << 8);
}

QList<int> DeviceInfo::partitionIndices() const
{
    QList<int> indices;
    for (int i = 0; i < m_partitionCount; ++i)
        indices.append(i);
    return indices;
}

bool DeviceInfo::isPartitionTaken(quint16 state)
{
    return state == 6 || state == 16 || state == 21 || state == 24 || state == 25;
}

QList<int> bitNumbers(quint64 low, quint64 high)
{
    QList<int> numbers;
    for (int bit = 0; bit < 128; ++bit) {
        const quint64 half = bit < 64 ? low : high;
        if (half & (quint64(1) << (bit % 64)))
            numbers.append(bit);
    }
    return numbers;
}
