#include "sim/SimDirections.h"

#include "link/Crc.h"
#include "pages/reporting/DirectionSettings.h"
#include "sim/SimCommunicator.h"

#include <QHostAddress>
#include <cstring>

namespace {
constexpr quint8 OpResetSettings = 0x02;
constexpr quint8 OpReadDirection = 0x31;
constexpr quint8 OpChannelStatus = 0x17;
constexpr quint16 ResetOfDirections = 10;
constexpr quint16 JournalRing = 4096;

struct Channel
{
    quint8 type;
    quint8 user;
    quint64 phone;
    const char *host; // IPv4 text or host name
    quint16 port;
    bool encrypt;
};

struct Direction
{
    const char *name;
    Channel channels[3];
    quint32 partitions;
    quint64 partitionEvents;
    quint64 zoneEvents;
    quint32 powerEvents;
    quint32 systemEvents;
    quint16 outEvents;
    bool schedule;
};

constexpr Channel off{0, 255, 0, nullptr, 0, false};

// Phones of the installation's people: the owner, the guard, the neighbour.
constexpr quint64 OwnerPhone = 79161234567ULL;
constexpr quint64 GuardPhone = 79035550142ULL;
constexpr quint64 NeighbourPhone = 79267778899ULL;

const Direction Directions[SimDirections::Count] = {
    {"Пульт охраны (Щит)",
     {{4, 255, 0, "192.168.10.20", 3061, true}, {1, 0, OwnerPhone, nullptr, 0, false}, off},
     0x0002001E,
     0x3F3E0360,
     0x0FFFFFFCCULL,
     0x001FC01E,
     0x00007806,
     0x08,
     false},
    {"Central station",
     {{5, 255, 0, "cms.shield-security.net", 5001, false}, off, off},
     0x0000FFFE,
     0x03E20340,
     0x0FFFFFFC8ULL,
     0x000FC012,
     0x00001800,
     0x08,
     false},
    {"Хозяин",
     {{1, 0, OwnerPhone, nullptr, 0, false}, {3, 0, OwnerPhone, nullptr, 0, false}, off},
     0x0002FFFE,
     0x3E3F0B40,
     0x0FFFFFFFCULL,
     0x001FFFFE,
     0x000079FE,
     0x3F,
     false},
    {"Охранник",
     {{2, 1, GuardPhone, nullptr, 0, false}, off, off},
     0x00000006,
     0x3E3F0B40,
     0x00FFFFFFCULL,
     0x001FC01E,
     0x00003800,
     0x3F,
     false},
    {"Neighbour call",
     {{3, 2, NeighbourPhone, nullptr, 0, false}, {1, 2, NeighbourPhone, nullptr, 0, false}, off},
     0x00000002,
     0x03200000,
     0x00000000CULL,
     0x00000000,
     0x00000000,
     0x00,
     false},
    {"DC-09 резерв",
     {{4, 255, 0, "backup.alarm-receiver.ru", 3062, true},
      {3, 1, GuardPhone, nullptr, 0, false},
      {1, 0, OwnerPhone, nullptr, 0, false}},
     0x0002FFFE,
     0x3F3E0360,
     0x0FFFFFFCCULL,
     0x001FC01E,
     0x00007806,
     0x08,
     false},
    {"Отключено", {off, off, off}, 0x00020002, 0, 0, 0, 0, 0, false},
    {"Weekly test SMS",
     {{1, 1, GuardPhone, nullptr, 0, false}, off, off},
     0x00000004,
     0x00000040,
     0x000000000ULL,
     0x001FC000,
     0x00007800,
     0x00,
     true},
    {"Охрана периметра",
     {{3, 1, GuardPhone, nullptr, 0, false}, {5, 255, 0, "10.0.0.5", 5000, false}, off},
     0x00000018,
     0x03E20340,
     0x0FFFFFFC8ULL,
     0x000FC012,
     0x00001800,
     0x08,
     false},
    {"", {off, off, off}, 0, 0, 0, 0, 0, 0, false},
    {"Managing user",
     {{1, 0, OwnerPhone, nullptr, 0, false}, off, off},
     0x0002FFFE,
     0x3E3F0B40,
     0x0FFFFFFFCULL,
     0x001FFFFE,
     0x000079FE,
     0x3F,
     false},
};

void fillChannel(s_channelGSMsett &block, const Channel &channel, bool schedule, int seed)
{
    block.type = channel.type;
    block.channelUserId = channel.user;
    block.userSms.phone = channel.type == 1 ? channel.phone : 0;
    block.userSms.options = channel.type == 1 ? quint8(0x06) : quint8(0);
    block.quenor.phone = channel.type == 2 ? channel.phone : 0;
    block.call.phone = channel.type == 3 ? channel.phone : 0;
    block.call.dialAttempts = channel.type == 3 ? 3 : 0;
    std::memset(block.test.times, 0xFF, sizeof(block.test.times));
    block.test.interval = 12 * 3600;
    block.timeoutOnError = 5 * 60;
    block.test.testType = channel.type == 4 ? 3 : channel.type == 5 ? 4 : 0;
    if (schedule) {
        block.test.options = 1;
        block.test.periodMode = 1;
        block.test.weekDays = 0x01 | 0x10; // Monday and Friday
        const quint16 times[2] = {9 * 60, 18 * 60};
        std::memcpy(block.test.times, times, sizeof(times));
    } else if (channel.type == 4 || channel.type == 5) {
        block.test.options = 1;
        block.test.interval = 3600;
    }
    if (channel.type != 4 && channel.type != 5)
        return;
    QHostAddress address;
    if (address.setAddress(QString::fromLatin1(channel.host))) {
        const quint32 ip = address.toIPv4Address();
        block.dc09.address[0] = quint8(ip >> 24);
        block.dc09.address[1] = quint8(ip >> 16);
        block.dc09.address[2] = quint8(ip >> 8);
        block.dc09.address[3] = quint8(ip);
    } else {
        std::memcpy(block.dc09.address, channel.host, std::strlen(channel.host));
        block.dc09.options |= Dc09Option::HostName;
    }
    block.dc09.port = channel.port;
    block.dc09.receiver = quint32(1000 + seed);
    block.dc09.linkChannel = 1;
    block.dc09.sendAttempts = 3;
    block.dc09.answerTimeout = 30;
    block.dc09.options |= Dc09Option::Timestamp;
    if (channel.encrypt) {
        block.dc09.options |= Dc09Option::Encrypt;
        for (int i = 0; i < 16; ++i)
            block.dc09.key[i] = quint8(0x3A + 7 * i + seed);
    }
}

void seal(s_ExtMemDataGSMDirection &record)
{
    record.crc32Name = crc32Stm(record.name, sizeof(record.name));
    record.compatibleVersion = 1;
    record.criticalVersion = 1;
    record.crc32 = crc32Stm(&record, s_ExtMemDataGSMDirection::crcOffset);
}

void put(QByteArray &bytes, int at, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}
} // namespace

SimDirections *SimDirections::install(SimCommunicator &device)
{
    for (int index = 0; index < Count; ++index)
        device.setRecord(OpReadDirection, quint16(index), bytesOf(direction(index)));
    if (SimDirections *existing = of(device))
        return existing;
    return new SimDirections(device);
}

SimDirections *SimDirections::of(SimCommunicator &device)
{
    return device.findChild<SimDirections *>();
}

SimDirections::SimDirections(SimCommunicator &device) : QObject(&device), m_device(device)
{
    connect(&device, &SimCommunicator::commandReceived, this, &SimDirections::onCommand);
    connect(&m_timer, &QTimer::timeout, this, &SimDirections::pushStatus);
    for (int d = 0; d < 10; ++d)
        m_positions[d] = quint16(m_head);
}

QString SimDirections::directionName(int index)
{
    return QString::fromUtf8(Directions[index].name);
}

s_ExtMemDataGSMDirection SimDirections::direction(int index)
{
    s_ExtMemDataGSMDirection record;
    std::memset(&record, 0, sizeof(record));
    const Direction &source = Directions[index];
    std::memcpy(record.name, source.name, std::strlen(source.name));
    eventFilter_t &filter = record.settings.filter;
    filter.partitions = source.partitions;
    filter.partitionEvents = source.partitionEvents;
    filter.zoneEvents = source.zoneEvents;
    filter.powerEvents = source.powerEvents;
    filter.systemEvents = source.systemEvents;
    filter.outEvents = source.outEvents;
    filter.loginEvents = 0x0003;
    filter.gsmEvents = 0x0001;
    for (int i = 0; i < 3; ++i)
        fillChannel(record.settings.channels[i], source.channels[i], source.schedule, index + i);
    // Saved by the configurator, so the filter holds only what the channels can carry.
    DirectionSettings pruning(nullptr);
    pruning.setDirections({{0, record}});
    pruning.setDataPointer(0);
    pruning.pruneEventFilter();
    record.settings.filter = pruning.eventFilter();
    // What the device keeps beyond the configurator's fields travels unchanged.
    for (int i = 0; i < 16; ++i)
        record.unused996[i] = quint8(0xA0 + i);
    seal(record);
    return record;
}

s_ExtMemDataGSMDirection SimDirections::defaultDirection(int index)
{
    s_ExtMemDataGSMDirection record;
    std::memset(&record, 0, sizeof(record));
    const QByteArray name = QStringLiteral("Direction #%1").arg(index + 1).toUtf8();
    std::memcpy(record.name, name.constData(), size_t(name.size()));
    record.settings.filter.partitions = 0x0002FFFE;
    record.settings.filter.partitionEvents = 0x3FFFFFFFFFFULL;
    record.settings.filter.zoneEvents = 0xFFFFFFFFFFFULL;
    record.settings.filter.powerEvents = 0x00FFFFFF;
    record.settings.filter.systemEvents = 0x0007FFFF;
    record.settings.filter.outEvents = 0x3F;
    for (s_channelGSMsett &channel : record.settings.channels) {
        channel.channelUserId = 255;
        std::memset(channel.test.times, 0xFF, sizeof(channel.test.times));
    }
    seal(record);
    return record;
}

QByteArray SimDirections::bytesOf(const s_ExtMemDataGSMDirection &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(record)));
}

void SimDirections::onCommand(const QByteArray &command)
{
    if (command.size() < 5 || quint8(command.at(0)) != OpResetSettings)
        return;
    const quint16 what = quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
    const quint16 index = quint16(quint8(command.at(3)) | (quint8(command.at(4)) << 8));
    if (what != ResetOfDirections || index >= Count)
        return;
    const QByteArray block = bytesOf(defaultDirection(index));
    m_device.setRecord(OpReadDirection, index, block);
    m_device.send(SimCommunicator::message(OpReadDirection, index, block));
}

void SimDirections::step()
{
    // New events arrive now and then; the directions with a channel deliver them in turn.
    ++m_steps;
    if (m_steps % 3 == 1) {
        ++m_head;
        ++m_eventNumber;
    }
    m_active = -1;
    for (int d = 0; d < 10; ++d) {
        const bool sends = Directions[d].channels[0].type != 0;
        if (!sends) {
            m_positions[d] = quint16(m_head);
            continue;
        }
        if (m_positions[d] != quint16(m_head) && m_active < 0) {
            m_active = d;
            m_activeChannel = (m_steps / 2) % 2;
            m_positions[d] = quint16(m_positions[d] + 1);
        }
    }
}

QByteArray SimDirections::statusRecord() const
{
    const bool old = m_layout == OldLayout;
    const int entry = old ? 8 : 12;
    const int size = old ? 88 : m_layout == WideLayout ? 208 : 136;
    const int trailer = old ? 80 : m_layout == WideLayout ? 192 : 120;
    QByteArray bytes(size, '\0');
    for (int d = 0; d < 10; ++d) {
        for (int c = 0; c < 3; ++c) {
            const quint8 type = Directions[d].channels[c].type;
            quint8 state = type == 0 ? 1 : 0;
            if (d == m_active && c == m_activeChannel && c > 0)
                state = 0;
            else if (type != 0 && d == 8 && c == 1)
                state = 2; // the perimeter's receiver does not answer
            else if (type != 0 && d == m_active && c < m_activeChannel)
                state = 3;
            bytes[d * entry + c] = char(state);
        }
        put(bytes, d * entry + 6, m_positions[d], 2);
    }
    const quint16 index = currentEventIndex();
    const quint8 active = m_active >= 0 ? quint8(m_active) : quint8(255);
    if (old) {
        put(bytes, trailer, index, 2);
        put(bytes, trailer + 2, quint16(m_head), 2);
        bytes[trailer + 4] = char(active);
        bytes[trailer + 5] = char(m_activeChannel);
    } else {
        put(bytes, trailer, m_head, 4);
        put(bytes, trailer + 4, m_eventNumber, 4);
        put(bytes, trailer + 8, index, 2);
        put(bytes, trailer + 10, quint16(m_head), 2);
        bytes[trailer + 12] = char(active);
        bytes[trailer + 13] = char(m_activeChannel);
    }
    return bytes;
}

void SimDirections::pushStatus()
{
    step();
    repeatStatus();
}

void SimDirections::repeatStatus()
{
    m_device.send(SimCommunicator::message(OpChannelStatus, 0, statusRecord()));
}

quint16 SimDirections::currentEventIndex() const
{
    return m_active >= 0 ? quint16(m_eventNumber % JournalRing) : quint16(0xFFFF);
}

void SimDirections::startDelivery(int intervalMs)
{
    m_timer.start(intervalMs);
}
