#include "sim/SimUsers.h"

#include "sim/SimCommunicator.h"

#include <QtEndian>

namespace {
constexpr int RecordSize = 512;

void putText(QByteArray &record, int at, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    record.replace(at, utf8.size(), utf8);
}

void putWord(QByteArray &record, int at, quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        record[at + i] = char((value >> (8 * i)) & 0xFF);
}
} // namespace

const QList<SimUsers::User> &SimUsers::users()
{
    // Flags: 0x01 admin, 0x02 take on, 0x04 take off, 0x10 redirect, 0x20 Quenor3,
    // 0x40 WEB control, 0x80 extra notifications.
    static const QList<User> list = {
        {0, QStringLiteral("Administrator"), QStringLiteral("admin"), QStringLiteral("vorte"),
         79161234567ull, 12345, 0x07, 0, 0x0003, 0x1FFFE},
        {1, QStringLiteral("Иван Петров"), QStringLiteral("ivan"), QStringLiteral("Ivan#2024"),
         79031112233ull, NoSmsPassword, 0x06, 1, 0x0002, 0x0006},
        {2, QStringLiteral("Maria Lopez"), QStringLiteral("maria"), QStringLiteral("m4r1a!"),
         34612345678ull, 54321, 0xC6, 255, 0x0000, 0x0002},
        {3, QStringLiteral("Ольга Смирнова"), QString(), QString(), 79265554433ull, NoSmsPassword,
         0x30, 255, 0x0000, 0x0008},
        {4, QString(), QString(), QString(), 0, NoSmsPassword, 0x00, 255, 0x0000, 0x0000},
        {5, QStringLiteral("Guard post №2"), QStringLiteral("guard2"), QStringLiteral("post2_kpp"),
         74951234567ull, 11111, 0x06, 3, 0x0010, 0x0030},
        {6, QStringLiteral("Sergey Volkov"), QStringLiteral("volkov"), QStringLiteral("Volk_77"),
         79997776655ull, NoSmsPassword, 0x03, 255, 0x0000, 0x0040},
        {7, QStringLiteral("Анна"), QString(), QString(), 380501234567ull, 24680, 0x86, 15, 0x8000,
         0x0080},
        {8, QStringLiteral("Service engineer"), QStringLiteral("service"),
         QStringLiteral("S3rv!ce"), 79005550101ull, NoSmsPassword, 0x01, 255, 0x0000, 0x0000},
        {9, QStringLiteral("Night shift"), QString(), QString(), 12345, NoSmsPassword, 0x04, 255,
         0x0000, 0x0100},
        {10, QStringLiteral("Дмитрий К."), QStringLiteral("dmitry"), QStringLiteral("Dk_1985"),
         79101234500ull, 99999, 0x46, 4, 0x00F0, 0x0600},
        {12, QStringLiteral("Cleaning staff"), QString(), QString(), 100, NoSmsPassword, 0x02, 255,
         0x0000, 0x0800},
    };
    return list;
}

QByteArray SimUsers::record(const User &user)
{
    QByteArray record(RecordSize, '\0');
    putText(record, 0, user.name);
    putText(record, 96, user.login);
    putText(record, 160, user.password);
    putWord(record, 224, user.phone, 8);
    putWord(record, 232, user.smsPassword, 8);
    record[240] = char(user.flags);
    record[241] = char(user.callGroup);
    putWord(record, 242, user.smsGroups, 2);
    putWord(record, 248, user.partitions, 4);
    return SimCommunicator::sealBlock(record);
}

void SimUsers::install(SimCommunicator &communicator)
{
    for (int id = 0; id < 64; ++id)
        communicator.removeRecord(ReadOperation, quint16(id));
    for (const User &user : users())
        communicator.setRecord(ReadOperation, quint16(user.id), record(user));
    SimCommunicator *device = &communicator;
    QObject::connect(
        device, &SimCommunicator::commandReceived, device, [device](const QByteArray &command) {
            if (command.size() >= 3 && quint8(command.at(0)) == DeleteOperation)
                device->removeRecord(ReadOperation,
                                     qFromLittleEndian<quint16>(command.constData() + 1));
        });
}

void SimUsers::sendBroken(SimCommunicator &communicator, int id)
{
    QByteArray record = communicator.record(ReadOperation, quint16(id));
    if (record.size() != RecordSize)
        record = SimUsers::record(users().first());
    record[RecordSize - 1] = char(record.at(RecordSize - 1) ^ 0x5A);
    communicator.send(SimCommunicator::message(ReadOperation, quint16(id), record));
}

QString SimUsers::fieldText(const QByteArray &record, int at, int size)
{
    const QByteArray field = record.mid(at, size);
    const int end = field.indexOf('\0');
    return QString::fromUtf8(end < 0 ? field : field.left(end));
}

quint64 SimUsers::word64(const QByteArray &record, int at)
{
    return qFromLittleEndian<quint64>(record.constData() + at);
}
