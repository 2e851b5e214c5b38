#include "sim/SimRadioConfiguration.h"

#include "link/Crc.h"
#include "radio/DeviceTypes.h"
#include "radio/NameField.h"
#include "sim/SimCommunicator.h"
#include "sim/SimControlDevices.h"
#include "sim/SimCountersValve.h"
#include "sim/SimFireContactDevices.h"
#include "sim/SimOutputs.h"
#include "sim/SimPanelDevices.h"
#include "sim/SimPartitions.h"
#include "sim/SimPowerValues.h"
#include "sim/SimRadioAnswers.h"
#include "sim/SimRadioStates.h"

#include <algorithm>
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
    QList<Device> all = {
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
        {30, 31, 1, 1, QStringLiteral("Climate")},
        {31, 19, 2, 6, QStringLiteral("Pulse meter")},
        {32, 65, 3, 1, QStringLiteral("Messenger")},
        {33, 10, 4, 1, QStringLiteral("Climate 2")},
        {34, 20, 0, 1, QStringLiteral("Табло")},
        {35, 34, 9, 3, QStringLiteral("Shock")},
        {36, 67, 10, 5, QStringLiteral("Heat 67")},
        // One card look each (SimRadioStates).
        {SimRadioStates::AlarmId, 6, 1, 3, QStringLiteral("Alarm hall")},
        {SimRadioStates::FireId, 3, 1, 5, QStringLiteral("Smoke lounge")},
        {SimRadioStates::CaseOpenId, 4, 1, 2, QStringLiteral("Back door")},
        {SimRadioStates::FaultId, 7, 0, 1, QStringLiteral("Faulty relay")},
        {SimRadioStates::LowMainId, 18, 1, 2, QStringLiteral("Low battery")},
        {SimRadioStates::ReserveFailId, 2, 1, 5, QStringLiteral("Reserve low")},
        {SimRadioStates::LostId, 26, 1, 4, QStringLiteral("Lost ceiling")},
        {SimRadioStates::DisabledId, 16, 1, 2, QStringLiteral("Switched off")},
        {SimRadioStates::CableBrokenId, 4, 1, 2, QStringLiteral("Cut cable")},
        {SimControlDevices::TwoOutputId, 23, 0, 1, QStringLiteral("Two outputs")},
        {SimControlDevices::Annunciator24Id, 50, 0, 1, QStringLiteral("Табло 24 В")},
        {SimControlDevices::RadioKeypadId, 73, 2, 0, QStringLiteral("Radio keypad")},
        {SimControlDevices::CircuitRelayId, 14, 1, 1, QStringLiteral("Gate circuit")},
        {SimCountersValve::HighFrequencyCounterId, 13, 5, 6, QStringLiteral("Gas counter")},
        {SimCountersValve::Repeater51Id, 51, 0, 1, QStringLiteral("Repeater 51")},
        {SimCountersValve::SmokeCaseOpenId, 5, 13, 5, QStringLiteral("Smoke hall")},
    };
    all += SimPanelDevices::devices();
    all += SimFireContactDevices::devices();
    return all;
}

bool SimRadioConfiguration::holdsEnergySavingDevice(int partition)
{
    const QList<Device> all = devices();
    return std::any_of(all.cbegin(), all.cend(), [partition](const Device &device) {
        return device.partition == partition && isEnergySavingType(device.type);
    });
}

s_ExtMemDataPartition SimRadioConfiguration::partitionBlock(int index)
{
    s_ExtMemDataPartition block;
    std::memset(&block, 0, sizeof(block));
    if (index > 0)
        radioName(block.name, block.nameCrc, partitionName(index));
    block.settings.num = quint16(index);
    block.settings.flags = index % 2 ? 0x04 : 0x01;
    // A communicator set up by the program never holds energy-saving devices in a partition
    // without take delay.
    if (holdsEnergySavingDevice(index))
        block.settings.flags |= 0x04;
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
    if (SimRadioStates::isDisabled(device.id))
        s.common.flags &= 0x01;
    s.privateSettings = privateSettings(device.type);
    SimCountersValve::adjustSettings(device.id, device.type, s);
    SimFireContactDevices::applySettings(device.id, device.type, s);
    if (device.type == 14) {
        s.common.inputOperatingMode = 2;
        s.common.mainPowerSupply = 1;
    }
    SimControlDevices::applySettings(device.id, s);
    seal(block);
    return block;
}

namespace {
template <typename T> void put(quint8 *area, int offset, T value)
{
    std::memcpy(area + offset, &value, sizeof(T));
}

void putOutput(quint8 *area, int index, quint16 mode, quint32 seed)
{
    s_OutputModeSett output;
    std::memset(&output, 0, sizeof(output));
    output.Mode = mode;
    if (mode != 0xFFFF) {
        output.TakeOnMask = seed;
        output.AlarmMask = 0x80000000u | seed;
        output.SelectedPartitions = 0x6;
        output.tactic = 2;
        output.journalFlags = 1;
        output.Hyst = 3;
        output.IntTempRef = -4;
        output.RefSensAddr = 255;
        output.EnableMask = ~seed;
        output.OutGroupNumber = 1;
        output.controlFlags = 0x05;
    }
    std::memcpy(area + index * int(sizeof(output)), &output, sizeof(output));
}
} // namespace

u_RFDevPrivateSettings SimRadioConfiguration::privateSettings(int type)
{
    // Only fields a configuration file carries, with values that tell them apart.
    u_RFDevPrivateSettings area;
    std::memset(&area, 0, sizeof(area));
    quint8 *b = area.raw;
    switch (type) {
    case 2:
        put<qint16>(b, 0, -2);
        put<qint16>(b, 2, -10);
        put<qint16>(b, 4, 55);
        put<quint16>(b, 6, 1);
        b[8] = 1;
        b[10] = 60; // the factory fire temperature of older firmware
        break;
    case 4:
        b[0] = 0x03;
        put<quint16>(b, 2, 2);
        break;
    case 6:
    case 18:
    case 26:
        b[0] = 1; // energy saving on
        b[1] = 3;
        break;
    case 7:
    case 15:
    case 23:
        putOutput(b, 0, 1, 0x11u * quint32(type));
        putOutput(b, 1, 0xFFFF, 0); // the second output is not fitted
        break;
    case 14:
        putOutput(b, 0, 2, 0x1234);
        putOutput(b, 1, 1, 0x10);
        break;
    case 20:
    case 49:
    case 50:
    case 69:
        putOutput(b, 0, 1, quint32(type));
        break;
    case 57:
        putOutput(b, 0, 3, 0x57);
        b[96] = 10;
        b[97] = 20;
        b[98] = 30;
        break;
    case 10:
    case 31:
        for (int i = 0; i < 11; ++i)
            put<qint16>(b, 2 * i, qint16(i * 7 - 30));
        b[22] = 0x11;
        SimOutputs::applyClimateReferences(type, area);
        break;
    case 11:
        put<quint32>(b, 0, 0x80000003u);
        b[4] = 2;
        b[5] = 3;
        b[6] = 0x05;
        b[7] = 4;
        b[8] = 1;
        break;
    case 13:
        put<quint32>(b, 0, 5);
        put<quint32>(b, 4, 7);
        b[12] = 1;
        b[13] = 2;
        b[14] = 3;
        b[15] = 1;
        b[16] = 10;
        break;
    case 16:
    case 24:
        b[0] = 0x2B;
        b[2] = 30;
        b[3] = 5;
        break;
    case 19:
        put<float>(b, 0, 2.5f);
        break;
    case 21:
    case 22:
        b[0] = 0x15;
        break;
    case 27:
    case 28:
        b[0] = 1;
        b[1] = 1;
        b[3] = 7;
        b[4] = 3;
        b[5] = 1;
        break;
    case 65:
        b[0] = 1;
        put<quint32>(b, 4, 0xF0000001u);
        for (int k = 0; k < 5; ++k)
            put<quint16>(b, 8 + 2 * k, quint16(0x1000 + k));
        b[136] = 1;
        break;
    case 66:
        put<quint64>(b, 0, 0x5);
        put<quint64>(b, 8, 0x100);
        put<quint16>(b, 16, 90);
        b[18] = 3;
        put<quint32>(b, 20, 10);
        b[24] = 1;
        b[25] = 5;
        b[26] = 1;
        b[28] = 1;
        put<quint64>(b, 32, 1234567);
        put<quint64>(b, 40, 7654321);
        break;
    default:
        break;
    }
    SimControlDevices::applyPrivateSettings(type, area);
    return area;
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
    SimOutputs::applyClimate(device.type, status);
    SimCountersValve::applyStatus(device.id, device.type, status);
    SimFireContactDevices::applyStatus(device.id, device.type, status);
    SimRadioStates::apply(device.id, device.type, status);
    SimPowerValues::apply(device.type, status);
    SimControlDevices::applyStatus(device.id, device.type, status);
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
    SimOutputs::fillOutputMode(index, block.mode);
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
    SimRadioAnswers::attach(device);
    SimFireContactDevices::attach(device);
    SimOutputs::attach(device);
    SimPartitions::attach(device);
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
