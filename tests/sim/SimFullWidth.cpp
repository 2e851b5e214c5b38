#include "sim/SimFullWidth.h"

#include "link/Crc.h"
#include "pages/reporting/DirectionSettings.h"
#include "radio/NameField.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDirections.h"
#include "sim/SimKeys.h"
#include "sim/SimRadioConfiguration.h"
#include "sim/SimUsers.h"

#include <QSet>
#include <QtEndian>
#include <cstring>

namespace {
constexpr quint8 OpSensorBlock = 0x24;
constexpr quint8 OpSensorFull = 0x11;
constexpr quint8 OpSensorStatus = 0x0A;
constexpr quint8 OpReadDirection = 0x31;
constexpr quint8 OpReadWireless = 0x2C;
constexpr quint8 OpReadObject = 0x2A;
constexpr int WirelessIntervalAt = 36;
constexpr int ObjectExitDelayAt = 110;
constexpr int FirstSpareDetectorType = 4;

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(record)));
}

template <typename Record> Record recordOf(const QByteArray &bytes)
{
    Record record;
    std::memcpy(&record, bytes.constData(), sizeof(record));
    return record;
}

void sealSensor(s_ExtMemDataSensor &block)
{
    block.compatibleVersion = 1;
    block.criticalVersion = 1;
    block.crc32 = crc32Stm(&block, s_ExtMemDataSensor::crcOffset);
}

void sealDirection(s_ExtMemDataGSMDirection &record)
{
    record.crc32Name = crc32Stm(record.name, sizeof(record.name));
    record.compatibleVersion = 1;
    record.criticalVersion = 1;
    record.crc32 = crc32Stm(&record, s_ExtMemDataGSMDirection::crcOffset);
}

// Fills the configuration up to the device limit with named contact detectors.
void addRadioDevices(SimCommunicator &device)
{
    QList<SimRadioConfiguration::Device> all = SimRadioConfiguration::devices();
    QSet<int> used;
    for (const SimRadioConfiguration::Device &sensor : all)
        used.insert(sensor.id);
    for (int id = 0; all.size() < SimFullWidth::RadioDeviceCount; ++id) {
        if (used.contains(id))
            continue;
        const SimRadioConfiguration::Device sensor{id, FirstSpareDetectorType, 1 + id % 16, 2,
                                                   SimFullWidth::longName(id)};
        all.append(sensor);
        device.setRecord(OpSensorBlock, quint16(id),
                         bytesOf(SimRadioConfiguration::sensorBlock(sensor)));
        device.setRecord(OpSensorFull, quint16(id),
                         bytesOf(SimRadioConfiguration::sensorReport(sensor)));
        device.setRecord(OpSensorStatus, quint16(id),
                         bytesOf(SimRadioConfiguration::sensorStatus(sensor)));
    }
}

void widenValve(SimCommunicator &device)
{
    const quint16 id = SimFullWidth::ValveId;
    auto block = recordOf<s_ExtMemDataSensor>(device.record(OpSensorBlock, id));
    std::memcpy(block.settings.privateSettings.raw, SimFullWidth::ValveSubscription,
                sizeof(SimFullWidth::ValveSubscription));
    fillNameField(block.name, escapedUtf8Prefix(SimFullWidth::longName(1000), NameFieldTextBytes),
                  0xFF);
    block.nameCrc = crc32Stm(block.name, NameFieldSize);
    sealSensor(block);
    device.setRecord(OpSensorBlock, id, bytesOf(block));
    auto report = recordOf<s_FullSensorData>(device.record(OpSensorFull, id));
    report.settings = block.settings;
    std::memcpy(report.name, block.name, sizeof(report.name));
    report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
    device.setRecord(OpSensorFull, id, bytesOf(report));
}

void fillUsers(SimCommunicator &device)
{
    for (int id = 0; id < SimFullWidth::UserCount; ++id) {
        SimUsers::User user{id,
                            SimFullWidth::longName(2000 + id),
                            QString(),
                            QString(),
                            999999999999999999ull - quint64(id),
                            SimUsers::NoSmsPassword,
                            0x06,
                            255,
                            0x0001,
                            0x1FFFE};
        if (id == 0) {
            user.login = QStringLiteral("admin");
            user.password = QStringLiteral("vorte");
            user.flags = 0x07;
        }
        QByteArray record = SimUsers::record(user);
        // The administrator's word stays plain, the others' carry the reserved byte.
        if (id != 0) {
            const quint64 settings = (SimFullWidth::UserSettingsWord & ~quint64(0xFF)) | user.flags;
            qToLittleEndian<quint64>(settings, record.data() + 240);
        }
        device.setRecord(SimUsers::ReadOperation, quint16(id), SimCommunicator::sealBlock(record));
    }
}

void fillKeys(SimCommunicator &device)
{
    for (int slot = 0; slot < SimFullWidth::KeyCount; ++slot) {
        const QString serial =
            QStringLiteral("%1")
                .arg(0x1A0000000000ull + quint64(slot) * 7919, 12, 16, QLatin1Char('0'))
                .toUpper();
        const SimKeys::Key key{slot, serial, 0x1FFFE, quint16(1 + slot % 5),
                               quint8(slot % SimFullWidth::UserCount)};
        device.setRecord(SimKeys::ReadOperation, quint16(slot), SimKeys::record(key));
    }
}

// Every direction's masks start full; the device keeps what its channels can carry.
void widenDirections(SimCommunicator &device)
{
    for (int index = 0; index < SimDirections::Count; ++index) {
        s_ExtMemDataGSMDirection record = SimDirections::direction(index);
        const QByteArray name = SimFullWidth::longName(3000 + index).toUtf8();
        std::memset(record.name, 0, sizeof(record.name));
        std::memcpy(record.name, name.constData(), size_t(name.size()));
        record.settings.filter.partitionEvents = ~quint64(0);
        record.settings.filter.zoneEvents = ~quint64(0) ^ 2;
        for (s_channelGSMsett &channel : record.settings.channels) {
            if (channel.type != 4 && channel.type != 5)
                continue;
            const QByteArray host = SimFullWidth::hostName(index);
            std::memcpy(channel.dc09.address, host.constData(), sizeof(channel.dc09.address));
            channel.dc09.options |= Dc09Option::HostName;
        }
        sealDirection(record);
        device.setRecord(OpReadDirection, quint16(index), SimDirections::bytesOf(record));
    }
}

// The exit delay covers the radio interval of the energy-saving devices, as the program
// keeps it: a write-in then asks nothing about it.
void coverRadioInterval(SimCommunicator &device)
{
    const QByteArray wireless = device.record(OpReadWireless, 0);
    QByteArray object = device.record(OpReadObject, 0);
    if (wireless.size() < WirelessIntervalAt + 2 || object.size() < ObjectExitDelayAt + 2)
        return;
    const quint16 interval = qFromLittleEndian<quint16>(wireless.constData() + WirelessIntervalAt);
    const quint16 delay = qFromLittleEndian<quint16>(object.constData() + ObjectExitDelayAt);
    qToLittleEndian<quint16>(qMax(interval, delay), object.data() + ObjectExitDelayAt);
    device.setRecord(OpReadObject, 0, SimCommunicator::sealBlock(object));
}
} // namespace

void SimFullWidth::install(SimCommunicator &device)
{
    SimRadioConfiguration::install(device);
    coverRadioInterval(device);
    addRadioDevices(device);
    widenValve(device);
    fillUsers(device);
    fillKeys(device);
    widenDirections(device);
}

QString SimFullWidth::longName(int number)
{
    // 31 Cyrillic letters (62 bytes) and one digit.
    const QString letters = QStringLiteral("абвгдежзийклмнопрстуфхцчшщыэюя");
    QString name;
    for (int i = 0; i < 31; ++i)
        name.append(letters.at((number * 7 + i) % letters.size()));
    name.append(QChar(QLatin1Char(char('0' + number % 10))));
    return name;
}

QByteArray SimFullWidth::hostName(int number)
{
    QByteArray host = QByteArray("site") + QByteArray::number(number) + ".monitoring.example";
    while (host.size() < 32)
        host.append('x');
    return host.left(32);
}
