#include "sim/SimCountersValve.h"

#include "sim/SimCommunicator.h"
#include "sim/SimRadioStates.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <cstring>

namespace {
template <typename T> void put(void *record, int offset, T value)
{
    std::memcpy(static_cast<char *>(record) + offset, &value, sizeof(T));
}

template <typename T> T take(const QByteArray &bytes, int offset)
{
    T value{};
    if (offset >= 0 && offset + int(sizeof(T)) <= bytes.size())
        std::memcpy(&value, bytes.constData() + offset, sizeof(T));
    return value;
}

quint8 &statusByte(s_SensorIntData &status, int offset)
{
    return reinterpret_cast<quint8 *>(&status)[offset];
}

constexpr int MoveMs = 400;

quint32 bcd(int value)
{
    return quint32((value / 10) << 4 | value % 10);
}

// The device's clock words: BCD year, month and day; hours, minutes and seconds (UTC).
QByteArray clockAnswer(const QDateTime &now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    const quint32 words[2] = {
        bcd(date.year() % 100) << 16 | bcd(date.month()) << 8 | bcd(date.day()),
        bcd(time.hour()) << 16 | bcd(time.minute()) << 8 | bcd(time.second())};
    return QByteArray(reinterpret_cast<const char *>(words), int(sizeof(words)));
}

void setMask(quint8 *mask, int id)
{
    mask[id / 8] |= quint8(1u << (id % 8));
}
} // namespace

void SimCountersValve::adjustSettings(int id, int type, s_SensorSettings &settings)
{
    quint8 *b = settings.privateSettings.raw;
    switch (type) {
    case 13:
        put<quint32>(b, 0, 10);
        put<quint32>(b, 4, 1);
        // The pulse price stays 0: the configuration file does not carry it.
        b[12] = id == HighFrequencyCounterId ? 3 : 2;
        b[13] = 0; // relay contact
        b[14] = 1; // NAMUR
        b[16] = 2; // 3000 pulses per hour
        if (id == HighFrequencyCounterId)
            put<quint32>(b, 0, 0), put<quint32>(b, 4, 0);
        break;
    case 19:
        put<float>(b, 0, 10.0f);
        break;
    case 5:
        settings.firmwareMinor = id == SmokeOldId ? 28 : 29;
        b[0] = 1; // case-open check on
        break;
    case 66: {
        std::memset(b, 0, 16);
        // The leak detectors of the list.
        for (int detector : {3, 15, 22})
            setMask(b, detector);
        put<quint16>(b, 16, 180); // 03:00
        b[18] = 15;
        put<quint32>(b, 20, 10);
        b[24] = 2;
        b[25] = 1;
        b[26] = 1;
        put<quint64>(b, 32, 1234567);
        put<quint64>(b, 40, 7654321);
        break;
    }
    default:
        break;
    }
}

void SimCountersValve::applyStatus(int id, int type, s_SensorIntData &status)
{
    switch (type) {
    case 13:
        if (id == HighFrequencyCounterId) {
            put<quint32>(&status, 32, 250);
        } else {
            put<quint64>(&status, 0, 123450);
            put<quint64>(&status, 8, 1001);
            put<quint32>(&status, 24, 12345);
            put<quint32>(&status, 28, 1001);
            statusByte(status, 37) = 3;
        }
        break;
    case 19:
        put<quint32>(&status, 8, 4321);
        break;
    case 56:
        put<quint64>(&status, 0, 19043017);
        put<quint32>(&status, 12, 52750);
        break;
    case 5:
        status.firmwareMinor = id == SmokeOldId ? 28 : 29;
        break;
    case 51:
        status.hierarchy = 0x31; // a repeater of its own in the network
        break;
    case 66:
        put<quint64>(&status, 0, 1005);
        put<quint64>(&status, 8, 27350);
        statusByte(status, 24) = 5;
        statusByte(status, 25) = 4; // a broken meter line
        statusByte(status, 26) = 2; // leak on line 1
        statusByte(status, 27) = 1;
        statusByte(status, 28) = 2;
        statusByte(status, 29) = 1;
        put<quint16>(&status, 30, 3900);
        statusByte(status, 32) = 3;
        put<quint16>(&status, 92, 12100);
        break;
    default:
        break;
    }
}

bool SimCountersValve::handle(SimCommunicator &device, quint8 operation, quint16 id,
                              const QByteArray &payload)
{
    if (operation == 0x10) {
        device.send(
            SimCommunicator::message(0x10, id, clockAnswer(QDateTime::currentDateTimeUtc())));
        return true;
    }
    if (operation != 0xD7 && operation != 0xD8 && operation != 0xD9 && operation != 0x53)
        return false;
    s_SensorIntData status = SimRadioStates::heldStatus(device, id);
    switch (operation) {
    case 0xD7:
        for (int k = 0; k < 3; ++k)
            put<quint32>(&status, 24 + 4 * k, take<quint32>(payload, 4 * k));
        break;
    case 0xD8:
        put<quint64>(&status, 0, take<quint32>(payload, 0));
        put<quint64>(&status, 8, take<quint32>(payload, 4));
        break;
    case 0x53: {
        const quint16 target = take<quint16>(payload, 0);
        quint32 hierarchy = 0;
        if (target < 254)
            hierarchy = SimRadioStates::heldStatus(device, target).hierarchy;
        status.hierarchy = hierarchy;
        break;
    }
    default: {
        const quint8 kind = take<quint8>(payload, 0);
        const quint8 item = take<quint8>(payload, 1);
        if (kind == 0 && item < 2) {
            const bool open = take<quint8>(payload, 2) != 0;
            statusByte(status, 28 + item) = open ? 4 : 3;
            QPointer<SimCommunicator> alive(&device);
            QTimer::singleShot(MoveMs, &device, [alive, id, item, open] {
                if (!alive)
                    return;
                s_SensorIntData moved = SimRadioStates::heldStatus(*alive, id);
                statusByte(moved, 28 + item) = open ? 2 : 1;
                SimRadioStates::pushStatus(*alive, id, moved);
            });
        } else if (kind == 1) {
            for (int line : {26, 27})
                if (statusByte(status, line) == 2)
                    statusByte(status, line) = 1;
        } else if (kind == 2 || kind == 3) {
            statusByte(status, 34) = kind == 2 ? 1 : 0;
        } else if (kind == 4 && item >= 1 && item <= 6) {
            const int at = 23 + item; // 24, 25 meters; 26, 27 lines; 28, 29 valves
            quint8 &state = statusByte(status, at);
            if (item <= 2)
                state = state == 6 ? 5 : 6;
            else if (item <= 4)
                state = state == 0 ? 1 : 0;
            else
                state = state == 9 ? 1 : 9;
        }
        break;
    }
    }
    SimRadioStates::pushStatus(device, id, status);
    return true;
}
