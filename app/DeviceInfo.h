#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <array>

// Description of the connected or viewed communicator: versions and the limits every
// page enforces.
class DeviceInfo
{
public:
    static constexpr int FirmwareInfoSize = 88;

    // After a login; execution is recorded as 0 whatever the device reports.
    void init(int execution, int modification, int hardwareVersion, int version);
    // From a viewed file; an unknown execution keeps the previous limits.
    void initForExecution(int execution, int modification, int hardwareVersion, int version);
    void setFirmwareInfo(const void *info);
    void setVersion(quint16 version) { m_version = version; }

    int execution() const { return m_execution; }
    int modification() const { return m_modification; }
    int hardwareVersion() const { return m_hardwareVersion; }
    int version() const { return m_version; }
    int partitionCount() const { return m_partitionCount; }
    int directionCount() const { return m_directionCount; }
    int maxSensors() const { return m_maxSensors; }
    int radioChannelCount() const { return m_radioChannelCount; }
    int maxKeys() const { return m_maxKeys; }
    int maxUsers() const { return m_maxUsers; }
    bool hasEthernet() const { return m_hasEthernet; }
    const std::array<quint8, FirmwareInfoSize> &firmwareInfo() const { return m_firmwareInfo; }
    // Device type code of the main board, bytes 58-59 of the firmware information.
    int deviceType() const;
    QList<int> partitionIndices() const;

    static bool isPartitionTaken(quint16 state);

private:
    void setCommonLimits();

    qint32 m_execution = 3;
    qint32 m_modification = 0;
    qint32 m_hardwareVersion = 0;
    qint32 m_version = 0;
    qint32 m_partitionCount = 0;
    qint32 m_directionCount = 0;
    qint32 m_maxSensors = 0;
    qint32 m_radioChannelCount = 0;
    qint32 m_maxKeys = 0;
    qint32 m_maxUsers = 0;
    bool m_hasEthernet = false;
    std::array<quint8, FirmwareInfoSize> m_firmwareInfo{};
};

// Ascending numbers 0..127 of the set bits of a 128-bit mask given low half first.
QList<int> bitNumbers(quint64 low, quint64 high);
