// Answers per second through the protocol's dispatch: message in, typed signal out.
#include "app/Logger.h"
#include "link/Crc.h"
#include "link/Protocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>

namespace {
QByteArray message(quint8 type, quint16 id, const QByteArray &payload)
{
    QByteArray bytes;
    bytes.append(char(type));
    bytes.append(char(id & 0xFF));
    bytes.append(char(id >> 8));
    return bytes + payload;
}

void putLittleEndian32(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

QByteArray sealed(int size)
{
    QByteArray record(size, '\0');
    for (int i = 0; i < size; ++i)
        record[i] = char(i * 7);
    putLittleEndian32(record, size - 4, crc32Stm(record.constData(), quint32(size - 4)));
    return record;
}

// A mix like a connected device's: status answers, settings blocks and journal entries.
QList<QByteArray> answerMix()
{
    QByteArray journal(256, '\x21');
    putLittleEndian32(journal, 244, crc32Stm(journal.constData(), 244));
    return {
        message(0x0A, 3, QByteArray(104, '\x01')),
        message(0x0B, 1, QByteArray(8, '\x02')),
        message(0x0D, 0, QByteArray(36, '\x03')),
        message(0x24, 3, sealed(512)),
        message(0x25, 1, sealed(512)),
        message(0x2B, 0, sealed(256)),
        message(0x2E, 0, sealed(1024)),
        message(0x31, 2, sealed(1536)),
        message(0x32, 9, journal),
        message(0x39, 0, QByteArray::fromHex("01000a00")),
    };
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    Logger logger;
    Protocol protocol(nullptr);
    protocol.setDeviceLayoutSource([] { return DeviceLayout{0x0203, 0}; });

    quint64 delivered = 0;
    const auto count = [&delivered] { ++delivered; };
    QObject::connect(&protocol, &Protocol::sensorStatus, count);
    QObject::connect(&protocol, &Protocol::partitionStatus, count);
    QObject::connect(&protocol, &Protocol::wirelessStatus, count);
    QObject::connect(&protocol, &Protocol::sensorData, count);
    QObject::connect(&protocol, &Protocol::partitionData, count);
    QObject::connect(&protocol, &Protocol::deviceData, count);
    QObject::connect(&protocol, &Protocol::gsmData, count);
    QObject::connect(&protocol, &Protocol::directionSettings, count);
    QObject::connect(&protocol, &Protocol::journalEntry, count);
    QObject::connect(&protocol, &Protocol::settingsReadProgress, count);

    const QList<QByteArray> answers = answerMix();
    constexpr int rounds = 20000;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round)
        for (const QByteArray &answer : answers)
            protocol.onMessageReceived(answer);
    const double seconds = timer.nsecsElapsed() / 1e9;

    QTextStream out(stdout);
    out << "answers dispatched: " << delivered << "\n";
    out << "answers per second: " << qRound64(double(delivered) / seconds) << "\n";
    return delivered == quint64(rounds) * quint64(answers.size()) ? 0 : 1;
}
