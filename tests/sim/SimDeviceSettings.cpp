#include "sim/SimDeviceSettings.h"

#include "link/Crc.h"
#include "sim/SimCommunicator.h"

#include <QtEndian>

namespace {
constexpr quint8 OpReset = 0x02;
constexpr quint8 OpReadClock = 0x10;
constexpr quint8 OpReadBeeper = 0x28;
constexpr quint8 OpReadLeds = 0x29;
constexpr quint8 OpReadObject = 0x2A;
constexpr quint8 OpReadDevice = 0x2B;
constexpr quint8 OpReadCardReader = 0x33;
constexpr quint8 OpReadDebug = 0x3E;
constexpr quint8 OpReadGroup = 0x3F;
constexpr quint8 OpGroupState = 0x41;
constexpr quint8 OpWriteClock = 0x64;
constexpr quint8 OpWriteGroup = 0x81;

void putText(QByteArray &bytes, int at, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    bytes.replace(at, utf8.size(), utf8);
}

void putWord(QByteArray &bytes, int at, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

quint16 idOf(const QByteArray &command)
{
    return quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
}

quint32 bcd(int value)
{
    return quint32((value / 10) << 4 | (value % 10));
}

const char *const GroupNames[SimDeviceSettings::GroupCount] = {
    "Уличное освещение",
    "Сирена двора",
    "Ворота",
    "Насос полива",
    "Котельная",
    "Вентиляция",
    "Склад",
    "Гараж",
    "Офис 1",
    "Офис 2",
    "Сервер",
    "Резерв А",
    "Резерв Б",
    "Шлагбаум",
    "Подсветка",
    "Аварийный свет",
};
} // namespace

SimDeviceSettings *SimDeviceSettings::install(SimCommunicator &device)
{
    if (SimDeviceSettings *present = of(device))
        return present;
    return new SimDeviceSettings(device);
}

SimDeviceSettings *SimDeviceSettings::of(SimCommunicator &device)
{
    return device.findChild<SimDeviceSettings *>(QString(), Qt::FindDirectChildrenOnly);
}

SimDeviceSettings::SimDeviceSettings(SimCommunicator &device) : QObject(&device), m_device(device)
{
    device.setRecord(OpReadObject, 0, objectBlock());
    device.setRecord(OpReadDevice, 0, deviceBlock());
    device.setRecord(OpReadLeds, 0, ledsBlock());
    device.setRecord(OpReadBeeper, 0, beeperBlock());
    device.setRecord(OpReadCardReader, 0, cardReaderBlock());
    device.setRecord(OpReadDebug, 0, debugBlock());
    for (int group = 0; group < GroupCount; ++group) {
        device.removeRecord(OpReadGroup, quint16(group));
        m_groups.append(groupBlock(group));
        QByteArray state(8, '\0');
        state[0] = char(group % 3 == 2 ? 0 : 1);
        device.setRecord(OpGroupState, quint16(group), state);
    }
    refreshClock();
    // Runs before the communicator's own handling, so the clock is fresh when read.
    connect(&device, &SimCommunicator::commandReceived, this, &SimDeviceSettings::onCommand);
}

QByteArray SimDeviceSettings::objectBlock()
{
    QByteArray block(256, '\0');
    putText(block, 0, QStringLiteral("Склад №3, Заречная 14"));
    putWord(block, 64, crc32Stm(block.constData(), 64), 4);
    putWord(block, 72, 104217, 4);
    putWord(block, 108, 30, 2);  // entry delay
    putWord(block, 110, 45, 2);  // exit delay
    putWord(block, 114, 600, 2); // auto-take period
    block[132] = char(0x01 | 0x02 | 0x08);
    return SimCommunicator::sealBlock(block);
}

QByteArray SimDeviceSettings::deviceBlock()
{
    QByteArray block(256, '\0');
    putText(block, 0, QStringLiteral("pool.ntp.org"));
    putWord(block, 32, 10800, 4); // UTC+03:00
    block[76] = 1;                // NTP
    block[77] = char(0x02 | 0x10 | 0x20 | 0x80);
    block[78] = char(0x02);
    return SimCommunicator::sealBlock(block);
}

QByteArray SimDeviceSettings::ledsBlock()
{
    QByteArray block(256, '\0');
    block[24] = 1;
    block[26] = 1;  // partition 1
    block[28] = 2;  // partition 2
    block[30] = 17; // Out1
    block[32] = 19; // Work
    block[35] = 0;
    block[36] = 1;
    block[37] = 2;
    return SimCommunicator::sealBlock(block);
}

QByteArray SimDeviceSettings::beeperBlock()
{
    QByteArray block(256, '\0');
    // Alarm, fire, arming, disarming, not taken, take delay; bit 17 is the firmware's own.
    putWord(block, 0,
            (1u << 11) | (1u << 12) | (1u << 1) | (1u << 2) | (1u << 4) | (1u << 9) | (1u << 17),
            4);
    putWord(block, 20, 40, 2);  // event volume
    putWord(block, 22, 85, 2);  // alarm volume
    putWord(block, 24, 180, 2); // alarm sound time
    block[34] = 1;
    return SimCommunicator::sealBlock(block);
}

QByteArray SimDeviceSettings::cardReaderBlock()
{
    QByteArray block(256, '\0');
    putWord(block, 0, (1u << 1) | (1u << 2) | (1u << 5), 4); // partitions 1, 2 and 5
    block[4] = 2;
    block[5] = 1;
    return SimCommunicator::sealBlock(block);
}

QByteArray SimDeviceSettings::debugBlock()
{
    QByteArray block(256, '\0');
    block[12] = char(0x5A);
    return SimCommunicator::sealBlock(block);
}

QString SimDeviceSettings::groupName(int group)
{
    return group >= 0 && group < GroupCount ? QString::fromUtf8(GroupNames[group]) : QString();
}

QByteArray SimDeviceSettings::groupBlock(int group)
{
    QByteArray block(256, '\0');
    putText(block, 0, groupName(group));
    putWord(block, 64, crc32Stm(block.constData(), 64), 4);
    return SimCommunicator::sealBlock(block);
}

QDateTime SimDeviceSettings::clock() const
{
    return QDateTime::currentDateTimeUtc().addSecs(m_clockShift);
}

void SimDeviceSettings::refreshClock()
{
    const QDateTime now = clock();
    QByteArray words(8, '\0');
    const QDate date = now.date();
    const QTime time = now.time();
    putWord(words, 0,
            quint32(date.dayOfWeek()) << 13 | bcd(date.year() % 100) << 16 |
                bcd(date.month()) << 8 | bcd(date.day()),
            4);
    putWord(words, 4, bcd(time.hour()) << 16 | bcd(time.minute()) << 8 | bcd(time.second()), 4);
    m_device.setRecord(OpReadClock, 0, words);
}

void SimDeviceSettings::restore(quint16 parameter)
{
    quint8 operation = 0;
    QByteArray block;
    switch (parameter) {
    case 1:
        operation = OpReadObject;
        block = objectBlock();
        break;
    case 2:
    case 3:
        operation = OpReadDevice;
        block = deviceBlock();
        break;
    case 4:
        operation = OpReadLeds;
        block = ledsBlock();
        break;
    case 5:
        operation = OpReadBeeper;
        block = beeperBlock();
        break;
    case 11:
        operation = OpReadCardReader;
        block = cardReaderBlock();
        break;
    case 12:
        operation = OpReadDebug;
        block = debugBlock();
        break;
    default:
        return;
    }
    m_device.setRecord(operation, 0, block);
    m_device.send(SimCommunicator::message(operation, 0, block));
}

void SimDeviceSettings::onCommand(const QByteArray &command)
{
    if (command.size() < 3)
        return;
    const quint8 operation = quint8(command.at(0));
    const quint16 id = idOf(command);
    const QByteArray payload = command.mid(3);
    if (operation == OpReadClock) {
        refreshClock();
    } else if (operation == OpWriteClock && payload.size() >= 8) {
        const quint32 date = qFromLittleEndian<quint32>(payload.constData());
        const quint32 time = qFromLittleEndian<quint32>(payload.constData() + 4);
        auto digits = [](quint32 word, int shift, quint32 tens) {
            return int(((word >> (shift + 4)) & tens) * 10 + ((word >> shift) & 0xF));
        };
        const QDateTime set(
            QDate(2000 + digits(date, 16, 0xF), digits(date, 8, 0x1), digits(date, 0, 0x3)),
            QTime(digits(time, 16, 0x3), digits(time, 8, 0x7), digits(time, 0, 0x7)), Qt::UTC);
        if (set.isValid())
            m_clockShift = QDateTime::currentDateTimeUtc().secsTo(set);
        refreshClock();
    } else if (operation == OpReset) {
        restore(id);
    } else if (operation == OpReadGroup) {
        if (id >= GroupCount)
            return;
        if (m_failGroupRead) {
            m_failGroupRead = false;
            m_device.send(
                SimCommunicator::errorAnswer(OpReadGroup, SimCommunicator::ErrMemoryEmpty, id));
            return;
        }
        m_device.send(SimCommunicator::message(OpReadGroup, id, m_groups.at(id)));
    } else if (operation == OpWriteGroup) {
        if (id >= GroupCount || payload.size() != 256) {
            m_device.send(
                SimCommunicator::errorAnswer(OpWriteGroup, SimCommunicator::ErrParameter, id));
            return;
        }
        if (payload.at(250) != 1 || payload.at(251) != 1 ||
            crc32Stm(payload.constData(), 252) !=
                qFromLittleEndian<quint32>(payload.constData() + 252)) {
            m_device.send(SimCommunicator::errorAnswer(OpWriteGroup, SimCommunicator::ErrCrc, id));
            return;
        }
        m_groups[id] = payload;
        m_device.send(SimCommunicator::message(OpWriteGroup, id));
    }
}
