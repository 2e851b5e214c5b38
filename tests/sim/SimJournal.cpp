#include "sim/SimJournal.h"

#include "link/Crc.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDevice.h"

#include <QtEndian>

#include <iterator>

namespace {
constexpr quint8 OpReadJournal = 0x32;
constexpr quint8 OpJournalTail = 0x35;
constexpr quint8 OpReadFromIndex = 0x36;
constexpr quint8 OpReadComplete = 0x37;
constexpr quint8 OpClearJournal = 0xAA;
constexpr quint8 OpReadDebug = 0x04;
constexpr quint8 OpClearDebug = 0xAB;
constexpr int EntrySize = 256;
constexpr int BodyAt = 112;

void put(QByteArray &bytes, int at, quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

void putText(QByteArray &bytes, int at, const QByteArray &text)
{
    bytes.replace(at, text.size(), text);
}

quint16 idOf(const QByteArray &command)
{
    return quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
}

const quint16 PartitionEvents[] = {16, 8, 21, 11, 6, 24, 29, 10, 17, 33};
const quint16 KeyEvents[] = {16, 8, 32, 6, 16, 8};
const char *const UserNames[] = {"Администратор", "Ирина Волкова", "installer", "Охрана пост 2"};
} // namespace

SimJournal *SimJournal::install(SimCommunicator &device)
{
    if (SimJournal *present = of(device))
        return present;
    return new SimJournal(device);
}

SimJournal *SimJournal::of(SimCommunicator &device)
{
    return device.findChild<SimJournal *>(QString(), Qt::FindDirectChildrenOnly);
}

SimJournal::SimJournal(SimCommunicator &device)
    : QObject(&device), m_device(device), m_cells(RingSize)
{
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &SimJournal::sendSome);
    connect(&device, &SimCommunicator::commandReceived, this, &SimJournal::onCommand);
    fill(3000);
    fillDebug();
}

QByteArray SimJournal::debugEntry(quint16 number, quint16 fault, quint8 type, quint8 count,
                                  const QByteArray &payload, const QDateTime &utc)
{
    QByteArray bytes(64, '\0');
    put(bytes, 0, number, 2);
    put(bytes, 2, fault, 2);
    bytes[4] = char(type);
    bytes[5] = char(count);
    putText(bytes, 6, payload.left(46));
    const QDateTime at = utc.toUTC();
    put(bytes, 52, timeWord(at.time()), 4);
    put(bytes, 56, dateWord(at.date()), 4);
    put(bytes, 60, crc32Stm(bytes.constData(), 60), 4);
    return bytes;
}

// Faults of every data type, as a device a few weeks in service has them.
void SimJournal::fillDebug()
{
    m_debug.clear();
    QDateTime at(QDate(2026, 10, 20), QTime(3, 15, 0), Qt::UTC);
    for (int i = 0; i < 48; ++i) {
        QByteArray payload(46, '\0');
        const quint8 type = quint8(i % 6);
        quint8 count = 0;
        switch (type) {
        case 0:
            // The device's own code page: "Сбой модема" in Windows-1251.
            payload = QByteArray::fromHex("d1e1eee920eceee4e5ece0");
            break;
        case 1:
            count = 3;
            payload[0] = char(31);
            payload[1] = char(7);
            payload[2] = char(i);
            break;
        case 2:
            count = 2;
            put(payload, 0, 512 + i, 2);
            put(payload, 2, 0xBEEF, 2);
            break;
        case 3:
            count = 2;
            put(payload, 0, 0x20001F00u + quint32(i), 4);
            put(payload, 4, 4096, 4);
            break;
        case 4:
            count = 1;
            put(payload, 0, quint32(i * 10), 4);
            putText(payload, 4, "gsm_task");
            break;
        case 5: {
            count = 2;
            const float values[2] = {3.75f, -12.5f};
            payload.replace(0, 8, reinterpret_cast<const char *>(values), 8);
            break;
        }
        }
        at = at.addSecs(3600 * 7 + i * 13);
        m_debug.append(debugEntry(quint16(i), quint16((i * 17) % 141), type, count, payload, at));
    }
}

void SimJournal::sendDebug()
{
    for (int index = 1; index < m_debug.size(); ++index)
        m_device.send(SimCommunicator::message(OpReadDebug, quint16(index), m_debug.at(index)));
}

quint32 SimJournal::dateWord(const QDate &date)
{
    const int year = date.year() - 2000;
    return quint32((year / 10) << 20 | (year % 10) << 16 | (date.month() / 10) << 12 |
                   (date.month() % 10) << 8 | (date.day() / 10) << 4 | (date.day() % 10)) |
           quint32(date.dayOfWeek()) << 13;
}

quint32 SimJournal::timeWord(const QTime &time)
{
    return quint32((time.hour() / 10) << 20 | (time.hour() % 10) << 16 |
                   (time.minute() / 10) << 12 | (time.minute() % 10) << 8 |
                   (time.second() / 10) << 4 | (time.second() % 10));
}

QByteArray SimJournal::entry(quint32 number, quint8 source, const QByteArray &body,
                             const QDateTime &utc, const QByteArray &user)
{
    QByteArray bytes(EntrySize, '\0');
    put(bytes, 0, number, 4);
    const QDateTime at = utc.toUTC();
    put(bytes, 8, timeWord(at.time()), 4);
    put(bytes, 12, dateWord(at.date()), 4);
    putText(bytes, 16, user.left(96));
    putText(bytes, BodyAt, body.left(127));
    bytes[239] = char(source);
    put(bytes, 244, crc32Stm(bytes.constData(), 244), 4);
    return bytes;
}

void SimJournal::setCell(int index, const QByteArray &entry)
{
    m_cells[index % RingSize].entry = entry;
}

int SimJournal::sealedCount() const
{
    int count = 0;
    for (const Cell &cell : m_cells)
        if (!cell.entry.isEmpty() && crc32Stm(cell.entry.constData(), 244) ==
                                         qFromLittleEndian<quint32>(cell.entry.constData() + 244))
            ++count;
    return count;
}

int SimJournal::reportCount() const
{
    int count = 0;
    for (const Cell &cell : m_cells)
        if (!cell.entry.isEmpty() && quint8(cell.entry.at(239)) == 12 &&
            crc32Stm(cell.entry.constData(), 244) ==
                qFromLittleEndian<quint32>(cell.entry.constData() + 244))
            ++count;
    return count;
}

// One entry of each source in turn, the device's own running numbers, a minute or so apart.
void SimJournal::fill(int events)
{
    for (Cell &cell : m_cells)
        cell.entry.clear();
    QDateTime at(QDate(2026, 11, 2), QTime(6, 0, 0), Qt::UTC);
    quint32 number = 52000;
    int cell = 0;
    for (int i = 0; i < events && cell < RingSize; ++i) {
        const quint8 source = quint8(1 + i % 24);
        QByteArray body(127, '\0');
        QByteArray user = UserNames[i % 4];
        switch (source) {
        case 1:
        case 23:
            put(body, 0, 1u << (i % 3), 4);
            put(body, 4, i % 48 == 0 ? 9 : 0, 2);
            body[6] = char(i % 20);
            body[7] = char(i % 8);
            body[8] = char(i % 2);
            body[9] = char(i % 3);
            put(body, 10, quint16(2150 + i % 300), 2);
            put(body, 24, quint16(i % 48 < 24 ? 31 : 24), 2);
            break;
        case 2:
        case 4:
        case 14:
        case 17:
        case 21:
        case 22:
            put(body, 0, 0x3u, 4);
            put(body, 4, PartitionEvents[i % std::size(PartitionEvents)], 2);
            body[6] = char(i % 20);
            body[8] = char(i % 6 == 0 ? 0x11 : 0); // failed radio devices 0 and 4
            break;
        case 3:
        case 18:
            put(body, 0, 0x1u, 4);
            put(body, 4, KeyEvents[i % std::size(KeyEvents)], 2);
            body[6] = char(i % 20); // key slots 0..19
            put(body, 24, 0x0100002A3F11ull + quint64(i % 20), 8);
            break;
        case 5:
            body[0] = char(i % 6);
            body[1] = char(i % 2 ? 0 : 255);
            body[8] = char(i % 2 ? 1 : 2);
            put(body, 24, i % 3 ? 125 : 158, 4);
            break;
        case 6:
            put(body, 0, quint16(1 + i % 20), 2);
            break;
        case 7:
            body[0] = char(i % 18);
            body[1] = char(i % 5);
            put(body, 8, 3, 2);
            break;
        case 8:
            body[0] = char(i % 27);
            body[1] = char(i % 2);
            putText(body, 8, "Northwave");
            break;
        case 9:
            body[0] = 3;
            body[1] = 1;
            body[2] = 4;
            body[3] = 1;
            put(body, 6, 42, 2);
            break;
        case 10:
            body[0] = char(1 + i % 4);
            putText(body, 8, "installer");
            break;
        case 11:
            put(body, 0, 0x0103, 2);
            put(body, 2, 0x0104, 2);
            put(body, 4, quint16(1 + i % 10), 2);
            body[9] = char(i % 20);
            break;
        case 12:
            // A report on its own would be an orphan; reports follow their events below.
            continue;
        case 13:
            put(body, 0, i % 2 ? 0 : 4004, 2);
            put(body, 8, 79161234567ull, 8);
            body[16] = char(i % 8);
            putText(body, 18, "STATUS");
            put(body, 100, 0x5u, 4);
            break;
        case 15:
            body[0] = char(i % 13);
            break;
        case 16:
            body[9] = char(i % 3);
            body[10] = char(i % 3);
            body[11] = char(i % 2);
            break;
        case 19:
            putText(body, 0, "Перезапуск по питанию; \"сервис\"");
            break;
        case 20:
            break;
        case 24:
            body[4] = char(i % 5);
            body[5] = char(i % 3);
            body[6] = char(i % 3);
            break;
        }
        at = at.addSecs(37 + i % 90);
        const quint32 own = number++;
        QByteArray sealed = entry(own, source, body, at, user);
        // A few cells carry a seal that does not match: the device's flash is not perfect.
        if (i % 997 == 500)
            sealed[40] = char(sealed.at(40) ^ 0x5A);
        setCell(cell++, sealed);
        // Alarms and arming are reported over the directions, one or two attempts each.
        if (source == 1 || source == 2 || source == 3) {
            const int attempts = 1 + i % 2;
            for (int attempt = 1; attempt <= attempts && cell < RingSize; ++attempt) {
                QByteArray report(127, '\0');
                put(report, 0, own, 4);
                put(report, 6, quint16(attempt), 2);
                report[8] = char(i % 3);
                report[9] = char(attempt - 1);
                put(report, 10, attempt == attempts ? 0 : 4009, 2);
                setCell(cell++, entry(number++, 12, report, at.addSecs(attempt * 3), user));
            }
        }
    }
    m_tail = quint16(cell % RingSize);
    for (int index = 0; index < RingSize; ++index) {
        if (m_cells.at(index).entry.isEmpty()) {
            if (m_device.hasRecord(OpReadJournal, quint16(index)))
                m_device.removeRecord(OpReadJournal, quint16(index));
        } else
            m_device.setRecord(OpReadJournal, quint16(index), m_cells.at(index).entry);
    }
}

void SimJournal::onCommand(const QByteArray &command)
{
    if (command.size() < 3)
        return;
    switch (quint8(command.at(0))) {
    case OpJournalTail:
        m_device.send(SimCommunicator::message(OpJournalTail, m_tail));
        break;
    case OpReadFromIndex:
        if (!m_silent)
            startRead(idOf(command));
        break;
    case OpReadDebug:
        // The first entry is answered as a held record; the rest follow it.
        if (m_debug.isEmpty()) {
            m_device.removeRecord(OpReadDebug, 0);
            m_device.setRecord(OpReadDebug, 0, QByteArray());
        } else {
            m_device.setRecord(OpReadDebug, 0, m_debug.first());
            QTimer::singleShot(0, this, &SimJournal::sendDebug);
        }
        break;
    case OpClearDebug:
        m_debug.clear();
        m_device.send(SimCommunicator::message(OpClearDebug, 0, QByteArray(2, '\0')));
        break;
    case OpClearJournal: {
        m_timer.stop();
        for (int index = 0; index < RingSize; ++index)
            if (m_device.hasRecord(OpReadJournal, quint16(index)))
                m_device.removeRecord(OpReadJournal, quint16(index));
        for (Cell &cell : m_cells)
            cell.entry.clear();
        m_tail = 0;
        m_device.send(SimCommunicator::message(OpClearJournal, 0, QByteArray(2, '\0')));
        break;
    }
    default:
        break;
    }
}

// From the cell below `from` down through the ring, ending at the oldest cell, the tail.
void SimJournal::startRead(quint16 from)
{
    ++m_reads;
    m_next = (int(from) - 1 + RingSize) % RingSize;
    m_left = (m_next - int(m_tail) + RingSize) % RingSize + 1;
    m_timer.start();
}

void SimJournal::sendSome()
{
    // A device that lost its USB power forgets the read it was streaming.
    if (!m_device.device()->isPlugged()) {
        m_timer.stop();
        m_left = 0;
        return;
    }
    for (int sent = 0; sent < m_pace && m_left > 0; ++sent) {
        if (m_stallAfter == 0) {
            m_stallAfter = -1;
            m_silent = m_stallForever;
            m_timer.stop();
            return;
        }
        if (m_stallAfter > 0)
            --m_stallAfter;
        sendCell(m_next);
        m_next = (m_next - 1 + RingSize) % RingSize;
        if (--m_left == 0) {
            m_timer.stop();
            m_device.send(
                SimCommunicator::message(OpReadComplete, quint16((m_next + 1) % RingSize)));
        }
    }
}

void SimJournal::sendCell(int index)
{
    const QByteArray &entry = m_cells.at(index).entry;
    if (entry.isEmpty())
        m_device.send(SimCommunicator::errorAnswer(OpReadJournal, ErrEmptyCell, quint16(index)));
    else
        m_device.send(SimCommunicator::message(OpReadJournal, quint16(index), entry));
}

namespace {
struct Parameter
{
    const char *title; // Windows-1251 where not ASCII
    quint8 type;
    float base;
};
const Parameter Parameters[] = {
    {"Uin, V", 7, 12.4f},       {"Ubat, V", 7, 4.05f},         {"Icharge, mA", 6, 180.0f},
    {"T board, C", 7, 31.5f},   {"GSM RSSI", 6, -71.0f},       {"Uptime, s", 4, 86400.0f},
    {"Heap free", 4, 23552.0f}, {"Flags", 5, 48879.0f},        {"RF noise, dBm", 6, -104.0f},
    {"RF packets", 4, 1200.0f}, {"\xd2\xe0\xea\xf2", 7, 0.5f}, {"Stack min", 4, 312.0f},
    {"Tasks", 4, 14.0f},        {"Reboots", 4, 3.0f},          {"Last error", 5, 0x4F},
    {"Load, %", 7, 37.5f},      {"Unknown kind", 9, 1.0f},
};
} // namespace

QList<QByteArray> SimJournal::realtimeTitles()
{
    QList<QByteArray> messages;
    for (int i = 0; i < int(std::size(Parameters)); ++i) {
        QByteArray title(33, '\0');
        title[0] = char(i);
        putText(title, 1, QByteArray(Parameters[i].title).left(31));
        messages.append(SimCommunicator::message(
            0x3B, quint16(i == int(std::size(Parameters)) - 1 ? 63 : i), title));
    }
    return messages;
}

QByteArray SimJournal::realtimeTypes()
{
    QByteArray types(64, '\0');
    for (int i = 0; i < int(std::size(Parameters)); ++i)
        types[i] = char(Parameters[i].type);
    return SimCommunicator::message(0x3C, 0, types);
}

QByteArray SimJournal::realtimeValues(int tick)
{
    QByteArray values(256, '\0');
    for (int i = 0; i < int(std::size(Parameters)); ++i) {
        float value = Parameters[i].base;
        if (Parameters[i].type == 7)
            value += float((tick * (i + 3)) % 10) / 20.0f;
        else if (i == 5)
            value += float(tick);
        values.replace(4 * i, 4, reinterpret_cast<const char *>(&value), 4);
    }
    return SimCommunicator::message(0x3A, 0, values);
}

void SimJournal::startRealtime(int intervalMs)
{
    for (const QByteArray &title : realtimeTitles())
        m_device.send(title);
    m_device.send(realtimeTypes());
    m_realtime.setInterval(intervalMs);
    disconnect(&m_realtime, nullptr, this, nullptr);
    connect(&m_realtime, &QTimer::timeout, this,
            [this] { m_device.send(realtimeValues(m_realtimeTick++)); });
    m_realtime.start();
}

QByteArray SimJournal::supplyStatus(int tick)
{
    QByteArray record(48, '\0');
    const float values[7] = {86.0f + float(tick % 5),  0.048f, 0.21f, 4.11f, 12.4f,
                             229.0f + float(tick % 3), 29.5f};
    record.replace(0, int(sizeof values), reinterpret_cast<const char *>(values),
                   int(sizeof values));
    put(record, 32, 19, 2); // battery charging
    put(record, 36, 4, 2);  // mains normal
    put(record, 38, 8, 2);  // external supply normal
    put(record, 40, 3, 2);  // powered from the external source
    return SimCommunicator::message(0x0E, 0, record);
}

QByteArray SimJournal::deviceStatus(int tick)
{
    QByteArray record(40, '\0');
    const QDateTime now = QDateTime(QDate(2026, 11, 4), QTime(9, 0, 0), Qt::UTC).addSecs(tick * 2);
    put(record, 4, timeWord(now.time()), 4);
    put(record, 8, dateWord(now.date()), 4);
    record[32] = char(0x30); // case closed, Ethernet and cloud server connected
    return SimCommunicator::message(0x0F, 0, record);
}

void SimJournal::startDiagnostics(int intervalMs)
{
    m_realtime.setInterval(intervalMs);
    disconnect(&m_realtime, nullptr, this, nullptr);
    connect(&m_realtime, &QTimer::timeout, this, [this] {
        if (m_realtimeTick % 10 == 0) {
            for (const QByteArray &title : realtimeTitles())
                m_device.send(title);
            m_device.send(realtimeTypes());
        }
        m_device.send(realtimeValues(m_realtimeTick));
        m_device.send(supplyStatus(m_realtimeTick));
        m_device.send(deviceStatus(m_realtimeTick));
        ++m_realtimeTick;
    });
    m_realtime.start();
}
