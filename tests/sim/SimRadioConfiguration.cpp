#include "sim/SimRadioConfiguration.h"

#include "link/Crc.h"
#include "radio/NameField.h"
#include "sim/SimCommunicator.h"

#include <cstring>

namespace {
constexpr quint32 SerialBase = 0x00A10000;
constexpr int RepeaterId = 12;

template <typename Block> void seal(Block &block)
{
    block.compatibleVersion = 1;
    block.criticalVersion = 1;
    block.crc32 = crc32Stm(&block, Block::crcOffset);
}

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(record)));
}

void radioName(quint8 *field, quint32 &crc, const QString &name)
{
    fillNameField(field, escapedUtf8Prefix(name, NameFieldTextBytes), 0xFF);
    crc = crc32Stm(field, NameFieldSize);
}

void plainName(quint8 *field, quint32 &crc, const QString &name)
{
    fillNameField(field, utf8Prefix(name, NameFieldTextBytes), 0);
    crc = crc32Stm(field, NameFieldSize);
}
} // namespace

QString SimRadioConfiguration::partitionName(int index)
{
    static const char *const names[PartitionCount] = {
        "",          "Офис",      "Склад",     "Гараж",   "Kitchen \"A\"", "Lab\\2",
        "Подвал",    "Attic",     "Серверная", "Lobby",   "Кабинет 1",     "Кабинет 2",
        "Warehouse", "Котельная", "Parking",   "Archive", "Чердак",
    };
    return index >= 0 && index < PartitionCount ? QString::fromUtf8(names[index]) : QString();
}

QList<SimRadioConfiguration::Device> SimRadioConfiguration::devices()
{
    // Executive devices (relays, sirens) sit in partition 0.
    return {
        {0, 4, 1, 2, QStringLiteral("Входная дверь")},
        {1, 6, 1, 2, QStringLiteral("Коридор")},
        {2, 2, 1, 5, QStringLiteral("Дым кухня")},
        {3, 29, 2, 6, QStringLiteral("Протечка \"ванная\"")},
        {4, 12, 2, 3, QString()},
        {5, 16, 3, 4, QStringLiteral("Tilt gate")},
        {6, 21, 3, 5, QStringLiteral("Beam")},
        {7, 27, 4, 2, QStringLiteral("Outdoor IR")},
        {8, 11, 4, 1, QStringLiteral("Keypad")},
        {9, 13, 5, 6, QStringLiteral("Water meter")},
        {10, 14, 0, 1, QStringLiteral("Key contact")},
        {11, 7, 0, 1, QStringLiteral("Relay")},
        {RepeaterId, 30, 0, 1, QStringLiteral("Repeater")},
        {13, 32, 6, 2, QStringLiteral("Glass")},
        {14, 49, 0, 1, QStringLiteral("Repeater with battery")},
        {15, 53, 7, 6, QStringLiteral("Leak\\basement")},
        {16, 66, 7, 6, QStringLiteral("Кран")},
        {17, 17, 8, 2, QStringLiteral("Curtain")},
        {18, 24, 9, 3, QStringLiteral("Vibration")},
        {19, 33, 10, 4, QStringLiteral("Motion 33")},
        {20, 15, 0, 1, QStringLiteral("Siren")},
        {21, 57, 0, 1, QStringLiteral("Power relay")},
        {22, 55, 11, 6, QString()},
        {23, 69, 0, 1, QStringLiteral("Siren outdoor")},
        {24, 22, 12, 3, QStringLiteral("Beam 2")},
        {25, 5, 13, 5, QStringLiteral("Heat")},
        {26, 3, 14, 5, QStringLiteral("Smoke")},
        {27, 18, 15, 2, QStringLiteral("Motion pet")},
        {28, 26, 16, 4, QStringLiteral("Motion ceiling")},
        {29, 4, 16, 3, QStringLiteral("Window ") + QString(60, QLatin1Char('x'))},
    };
}

s_ExtMemDataPartition SimRadioConfiguration::partitionBlock(int index)
{
    s_ExtMemDataPartition block;
    std::memset(&block, 0, sizeof(block));
    if (index > 0)
        radioName(block.name, block.nameCrc, partitionName(index));
    block.settings.num = quint16(index);
    block.settings.flags = index % 2 ? 0x04 : 0x01;
    block.settings.ControlPartitions = index == 1 ? 0x06 : 0;
    seal(block);
    return block;
}

s_PartitionStatus SimRadioConfiguration::partitionStatus(int index)
{
    s_PartitionStatus status;
    std::memset(&status, 0, sizeof(status));
    status.mainState = index == 3 ? 16 : 8;
    status.configurationAllowed = 1;
    return status;
}

s_ExtMemDataSensor SimRadioConfiguration::sensorBlock(const Device &device)
{
    s_ExtMemDataSensor block;
    std::memset(&block, 0, sizeof(block));
    radioName(block.name, block.nameCrc, device.name);
    s_SensorSettings &s = block.settings;
    s.dwSerial = SerialBase + quint32(device.id);
    s.hardwareMajor = 1;
    s.hardwareMinor = 2;
    s.firmwareMajor = 1;
    s.firmwareMinor = quint8(10 + device.id % 5);
    s.bType = quint8(device.type);
    s.common.Partition = quint16(device.partition);
    s.common.ZoneType = quint16(device.zoneType);
    s.common.flags = device.zoneType == 2 ? 0x03 : 0x02;
    if (device.type == 6 || device.type == 18 || device.type == 26)
        s.privateSettings.raw[0] = 1; // energy saving on
    seal(block);
    return block;
}

s_SensorIntData SimRadioConfiguration::sensorStatus(const Device &device)
{
    s_SensorIntData status;
    std::memset(&status, 0, sizeof(status));
    status.serialNumber = SerialBase + quint32(device.id);
    status.state = device.id == 4 ? 15 : 2;
    status.flags = device.id == 4 ? (1u << 6) : 0;
    if (device.id == 3)
        status.flags |= 1u << 16;
    status.firmwareMajor = 1;
    status.firmwareMinor = quint8(10 + device.id % 5);
    status.hardwareMajor = 1;
    status.hardwareMinor = 2;
    status.rssi = qint8(-50 - device.id);
    status.supplyVoltage = quint16(device.id == 9 ? 2000 : 3000 + 10 * device.id);
    // One device talks through the repeater: both report its hierarchy code.
    if (device.id == 13 || device.id == RepeaterId)
        status.hierarchy = 0x21;
    return status;
}

s_FullSensorData SimRadioConfiguration::sensorReport(const Device &device)
{
    const s_ExtMemDataSensor block = sensorBlock(device);
    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    std::memcpy(report.name, block.name, sizeof(report.name));
    report.settings = block.settings;
    report.status = sensorStatus(device);
    report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
    return report;
}

s_ExtMemDataLoop SimRadioConfiguration::loopBlock()
{
    s_ExtMemDataLoop block;
    std::memset(&block, 0, sizeof(block));
    plainName(block.name, block.nameCrc, QStringLiteral("Шлейф двери"));
    block.settings.Partition = 2;
    block.settings.ZoneType = 2;
    block.settings.flags = 0x03;
    seal(block);
    return block;
}

s_LoopStatus SimRadioConfiguration::loopStatus()
{
    s_LoopStatus status;
    std::memset(&status, 0, sizeof(status));
    status.resistance = 4700.0f;
    status.state = 12;
    return status;
}

s_FullLoopData SimRadioConfiguration::loopReport()
{
    const s_ExtMemDataLoop block = loopBlock();
    s_FullLoopData report;
    std::memset(&report, 0, sizeof(report));
    report.loop.settings = block.settings;
    report.loop.status = loopStatus();
    std::memcpy(report.name, block.name, sizeof(report.name));
    report.crc32 = crc32Stm(&report, offsetof(s_FullLoopData, crc32));
    return report;
}

s_ExtMemDataOutput SimRadioConfiguration::outputBlock(int index)
{
    s_ExtMemDataOutput block;
    std::memset(&block, 0, sizeof(block));
    plainName(block.name, block.nameCrc,
              index == 0 ? QStringLiteral("Сирена") : QStringLiteral("Pump"));
    s_OutputModeSett &m = block.mode;
    m.Mode = quint16(index == 0 ? OutModeStandardEvents : OutModeTempControl);
    m.AlarmMask = 0x0000FFFE;
    m.FireMask = 0x80000001u;
    m.SelectedPartitions = 0x0003;
    m.Hyst = 2;
    m.IntTempRef = -5;
    m.controlFlags = 0x01;
    seal(block);
    return block;
}

s_OutputStatus SimRadioConfiguration::outputStatus(int index)
{
    s_OutputStatus status;
    std::memset(&status, 0, sizeof(status));
    status.currentEvent = index == 0 ? 16 : 30;
    status.faultState = index == 0 ? 0 : 3;
    status.outputState = quint8(index);
    return status;
}

void SimRadioConfiguration::install(SimCommunicator &device)
{
    for (int i = 0; i < PartitionCount; ++i) {
        device.setRecord(0x25, quint16(i), bytesOf(partitionBlock(i)));
        device.setRecord(0x0B, quint16(i), bytesOf(partitionStatus(i)));
    }
    for (const Device &sensor : devices()) {
        const quint16 id = quint16(sensor.id);
        device.setRecord(0x24, id, bytesOf(sensorBlock(sensor)));
        device.setRecord(0x11, id, bytesOf(sensorReport(sensor)));
        device.setRecord(0x0A, id, bytesOf(sensorStatus(sensor)));
    }
    device.setRecord(0x2D, 0, bytesOf(loopBlock()));
    device.setRecord(0x13, 0, bytesOf(loopReport()));
    device.setRecord(0x12, 0, bytesOf(loopStatus()));
    for (int index = 0; index < 2; ++index) {
        device.setRecord(0x26, quint16(index), bytesOf(outputBlock(index)));
        device.setRecord(0x0C, quint16(index), bytesOf(outputStatus(index)));
    }
}
