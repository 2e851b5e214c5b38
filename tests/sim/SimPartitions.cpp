#include "sim/SimPartitions.h"

#include "link/Crc.h"
#include "radio/PartitionRecords.h"
#include "radio/SensorRecords.h"
#include "sim/SimCommunicator.h"
#include "sim/SimRadioConfiguration.h"

#include <QtEndian>
#include <cstring>

namespace {
constexpr quint8 OpTakeOn = 0x51;
constexpr quint8 OpTakeOff = 0x52;
constexpr quint8 OpReset = 0x02;
constexpr quint8 OpTarget = 0x7D;
constexpr quint8 OpEnrol = 0xB4;
constexpr quint8 OpRadioStatus = 0x0D;
constexpr quint8 OpPartitionStatus = 0x0B;
constexpr quint8 OpPartitionBlock = 0x25;
constexpr quint8 OpSensorWrite = 0x6E;
constexpr quint8 OpSensorBlock = 0x24;
constexpr quint8 OpSensorFull = 0x11;
constexpr quint8 OpSensorStatus = 0x0A;
constexpr quint16 ResetPartition = 9;
constexpr int PartitionSlots = 17;
constexpr int DeviceLimit = 100;
constexpr int ConfirmDelayMs = 100;

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(record)));
}

s_PartitionStatus heldStatus(const SimCommunicator &device, int index)
{
    s_PartitionStatus status;
    std::memset(&status, 0, sizeof(status));
    const QByteArray held = device.record(OpPartitionStatus, quint16(index));
    if (held.size() == int(sizeof(status)))
        std::memcpy(&status, held.constData(), sizeof(status));
    else
        status.configurationAllowed = 1;
    return status;
}
} // namespace

SimPartitions *SimPartitions::attach(SimCommunicator &device)
{
    if (SimPartitions *existing = of(device))
        return existing;
    return new SimPartitions(device);
}

SimPartitions *SimPartitions::of(SimCommunicator &device)
{
    return device.findChild<SimPartitions *>();
}

SimPartitions::SimPartitions(SimCommunicator &device) : QObject(&device), m_device(device)
{
    m_enrolTimer.setInterval(EnrolIntervalMs);
    connect(&m_enrolTimer, &QTimer::timeout, this, &SimPartitions::enrolNow);
    connect(&device, &SimCommunicator::commandReceived, this, &SimPartitions::onCommand);
}

void SimPartitions::onCommand(const QByteArray &command)
{
    if (command.size() < 3)
        return;
    const quint8 operation = quint8(command.at(0));
    const quint16 id = qFromLittleEndian<quint16>(command.constData() + 1);
    const QByteArray payload = command.mid(3);
    switch (operation) {
    case OpTakeOn:
    case OpTakeOff:
        if (payload.size() >= 4)
            arm(operation == OpTakeOn, qFromLittleEndian<quint32>(payload.constData()));
        break;
    case OpReset:
        if (id == ResetPartition && payload.size() >= 2) {
            const quint16 index = qFromLittleEndian<quint16>(payload.constData());
            if (index < PartitionSlots) {
                m_device.setRecord(OpPartitionBlock, index, defaultBlock(index));
                m_device.send(
                    SimCommunicator::message(OpPartitionBlock, index, defaultBlock(index)));
            }
        }
        break;
    case OpTarget:
        m_target = id;
        break;
    case OpEnrol:
        m_device.send(SimCommunicator::message(OpEnrol, id));
        setEnrolling(id == 1);
        break;
    case OpRadioStatus:
        // Runs after the radio-channel simulator refreshed the record, before the answer.
        patchRadioStatus();
        break;
    case OpSensorWrite:
        // The full report follows the settings block, so a later read-all agrees; a device
        // written into a fresh communicator is announced from then on.
        QTimer::singleShot(0, this, [this, id] {
            const QByteArray block = m_device.record(OpSensorBlock, id);
            const QByteArray full = m_device.record(OpSensorFull, id);
            if (block.size() != int(sizeof(s_ExtMemDataSensor)))
                return;
            s_ExtMemDataSensor settings;
            s_FullSensorData report;
            std::memcpy(&settings, block.constData(), sizeof(settings));
            std::memset(&report, 0, sizeof(report));
            if (full.size() == int(sizeof(s_FullSensorData)))
                std::memcpy(&report, full.constData(), sizeof(report));
            else
                report.status.serialNumber = settings.settings.dwSerial;
            report.settings = settings.settings;
            std::memcpy(report.name, settings.name, sizeof(report.name));
            report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
            m_device.setRecord(OpSensorFull, id, bytesOf(report));
        });
        break;
    default:
        break;
    }
}

void SimPartitions::arm(bool on, quint32 mask)
{
    if (m_refuseCode != 0) {
        const quint16 code = m_refuseCode;
        m_refuseCode = 0;
        m_device.send(SimCommunicator::errorAnswer(on ? OpTakeOn : OpTakeOff, code, 0));
        return;
    }
    for (int index = 0; index < PartitionSlots; ++index) {
        if (!((mask >> index) & 1))
            continue;
        // An armed partition is closed for configuration.
        s_PartitionStatus status = heldStatus(m_device, index);
        status.configurationAllowed = on ? 0 : 1;
        m_device.setRecord(OpPartitionStatus, quint16(index), bytesOf(status));
        pushStatus(index, on ? 16 : 8);
    }
}

void SimPartitions::pushStatus(int index, quint16 mainState, quint16 currentState)
{
    s_PartitionStatus status = heldStatus(m_device, index);
    status.mainState = mainState;
    status.currentState = currentState;
    const QByteArray bytes = bytesOf(status);
    m_device.setRecord(OpPartitionStatus, quint16(index), bytes);
    m_device.send(SimCommunicator::message(OpPartitionStatus, quint16(index), bytes));
}

void SimPartitions::pushAllStatuses()
{
    for (int index = 0; index < PartitionSlots; ++index) {
        const QByteArray bytes = bytesOf(heldStatus(m_device, index));
        m_device.send(SimCommunicator::message(OpPartitionStatus, quint16(index), bytes));
    }
}

void SimPartitions::setEnrolling(bool on)
{
    m_enrolling = on;
    if (on)
        m_enrolTimer.start();
    else
        m_enrolTimer.stop();
    patchRadioStatus();
    // The radio status confirms the switch a moment after the command's answer.
    QTimer::singleShot(ConfirmDelayMs, this, [this] {
        patchRadioStatus();
        m_device.send(
            SimCommunicator::message(OpRadioStatus, 0, m_device.record(OpRadioStatus, 0)));
    });
}

void SimPartitions::patchRadioStatus()
{
    QByteArray status = m_device.record(OpRadioStatus, 0);
    if (status.size() < 36)
        status.append(QByteArray(36 - status.size(), '\0'));
    status[24] = char(m_enrolling ? (status.at(24) | 0x01) : (status.at(24) & ~0x01));
    m_device.setRecord(OpRadioStatus, 0, status);
}

int SimPartitions::enrolNow()
{
    int id = 0;
    while (id < DeviceLimit && !m_device.record(OpSensorFull, quint16(id)).isEmpty())
        ++id;
    if (id >= DeviceLimit)
        return -1;
    // The all-devices page points new devices at 17; they land in partition 1.
    const int partition = m_target >= 1 && m_target < PartitionSlots ? m_target
                          : m_target == 0                            ? 0
                                                                     : 1;
    const SimRadioConfiguration::Device device{id, NewDeviceType, partition, 2,
                                               QStringLiteral("New %1").arg(id + 1)};
    const quint16 key = quint16(id);
    m_device.setRecord(OpSensorBlock, key, bytesOf(SimRadioConfiguration::sensorBlock(device)));
    m_device.setRecord(OpSensorFull, key, bytesOf(SimRadioConfiguration::sensorReport(device)));
    m_device.setRecord(OpSensorStatus, key, bytesOf(SimRadioConfiguration::sensorStatus(device)));
    m_device.send(SimCommunicator::message(OpSensorFull, key, m_device.record(OpSensorFull, key)));
    m_device.send(
        SimCommunicator::message(OpSensorStatus, key, m_device.record(OpSensorStatus, key)));
    return id;
}

QByteArray SimPartitions::defaultBlock(int index)
{
    s_ExtMemDataPartition block;
    std::memset(&block, 0, sizeof(block));
    block.settings.num = quint16(index == 0 ? 17 : index);
    block.compatibleVersion = 1;
    block.criticalVersion = 1;
    block.crc32 = crc32Stm(&block, s_ExtMemDataPartition::crcOffset);
    return bytesOf(block);
}

void SimPartitions::installShowcase(SimCommunicator &device)
{
    attach(device);
    // One partition per icon: armed, arming failure, alarm, fire, manual call point, not used.
    const struct
    {
        int index;
        quint16 mainState;
        quint16 currentState;
    } looks[] = {{3, 16, 0}, {4, 6, 0}, {5, 21, 0}, {6, 24, 0}, {7, 25, 0}, {16, 5, 5}};
    for (const auto &look : looks) {
        s_PartitionStatus status = heldStatus(device, look.index);
        status.mainState = look.mainState;
        status.currentState = look.currentState;
        device.setRecord(OpPartitionStatus, quint16(look.index), bytesOf(status));
    }
    // Numbers unlike indexes, a name with ". ", every flag.
    const struct
    {
        int index;
        quint16 number;
        const char *name;
        quint8 flags;
    } forms[] = {{8, 42, "Hall. B", 0x07}, {9, 9, "B", 0x03}, {12, 77, "Склад. Север", 0x05}};
    for (const auto &form : forms) {
        s_ExtMemDataPartition block = SimRadioConfiguration::partitionBlock(form.index);
        const QByteArray name = QByteArray(form.name);
        std::memset(block.name, 0xFF, sizeof(block.name));
        std::memcpy(block.name, name.constData(), size_t(name.size()));
        block.name[name.size()] = 0;
        block.nameCrc = crc32Stm(block.name, sizeof(block.name));
        block.settings.num = form.number;
        block.settings.flags = form.flags;
        block.crc32 = crc32Stm(&block, s_ExtMemDataPartition::crcOffset);
        device.setRecord(OpPartitionBlock, quint16(form.index), bytesOf(block));
    }
}
