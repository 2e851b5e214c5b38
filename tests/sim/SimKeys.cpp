#include "sim/SimKeys.h"

#include "sim/SimCommunicator.h"

#include <QtEndian>

namespace {
constexpr int RecordSize = 256;

void putWord(QByteArray &record, int at, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        record[at + i] = char((value >> (8 * i)) & 0xFF);
}
} // namespace

const QList<SimKeys::Key> &SimKeys::keys()
{
    // Touch-memory serials (family 01) of a lived-in site: owners among the simulated users,
    // some spare keys without owner, every access law, several partitions.
    static const QList<Key> list = {
        {0, QStringLiteral("0000183A6B2F"), 0x1FFFE, 2, 0},
        {1, QStringLiteral("000017F4C210"), 0x00006, 2, 1},
        {2, QStringLiteral("00001A2B9E01"), 0x00002, 3, 2},
        {3, QStringLiteral("0000166D0A7C"), 0x00008, 4, 3},
        {4, QStringLiteral("1B4F0C"), 0x00030, 2, 5},
        {5, QStringLiteral("00001C93E5B8"), 0x00040, 5, 6},
        {6, QStringLiteral("0000195E7D22"), 0x00080, 2, 7},
        {7, QStringLiteral("00001840AA3D"), 0x00100, 3, 9},
        {8, QStringLiteral("A3F2"), 0x00600, 2, 10},
        {9, QStringLiteral("00001D07B4C6"), 0x00800, 4, 12},
        {10, QStringLiteral("0000170C88E1"), 0x00002, 1, 0xFF},
        {11, QStringLiteral("00001B66F019"), 0x00000, 1, 0xFF},
        {12, QStringLiteral("9C0D51E2"), 0x00006, 2, 1},
        {13, QStringLiteral("00001E4A2D93"), 0x0000C, 3, 0},
        {14, QStringLiteral("000015B0C7F4"), 0x00020, 5, 0xFF},
        {15, QStringLiteral("00001A99D3E7"), 0x00002, 0, 2},
        {16, QStringLiteral("7E21"), 0x00010, 4, 5},
        {17, QStringLiteral("0000160F3B5A"), 0x01000, 2, 6},
        {18, QStringLiteral("000019C4E812"), 0x0FFFE, 2, 0},
        {19, QStringLiteral("00001F7D0B6C"), 0x00004, 3, 0xFF},
    };
    return list;
}

QByteArray SimKeys::record(const Key &key)
{
    QByteArray record(RecordSize, '\0');
    const QByteArray id = key.idHex.toLatin1().left(12);
    record.replace(0, id.size(), id);
    putWord(record, 24, key.partitions, 4);
    putWord(record, 36, key.law, 2);
    record[46] = char(key.owner);
    // What the device's firmware leaves in the reserved bytes.
    record[12] = char(0x01);
    record[13] = char(0x5A);
    record[47] = char(0x11);
    record[100] = char(0xC3);
    return SimCommunicator::sealBlock(record);
}

SimKeys *SimKeys::install(SimCommunicator &device)
{
    for (int slot = 0; slot < Slots; ++slot)
        device.removeRecord(ReadOperation, quint16(slot));
    for (const Key &key : keys())
        device.setRecord(ReadOperation, quint16(key.slot), record(key));
    if (SimKeys *existing = of(device))
        return existing;
    return new SimKeys(device);
}

SimKeys *SimKeys::of(SimCommunicator &device)
{
    return device.findChild<SimKeys *>();
}

SimKeys::SimKeys(SimCommunicator &device) : QObject(&device), m_device(device)
{
    connect(&device, &SimCommunicator::commandReceived, this, &SimKeys::onCommand);
    m_presentTimer.setSingleShot(true);
    connect(&m_presentTimer, &QTimer::timeout, this, [this] {
        ++m_presented;
        present(QStringLiteral("00002%1")
                    .arg(m_presented * 0x1F3D5, 7, 16, QLatin1Char('0'))
                    .toUpper()
                    .left(12));
    });
}

void SimKeys::onCommand(const QByteArray &command)
{
    if (command.size() < 3)
        return;
    const quint8 operation = quint8(command.at(0));
    const quint16 id = qFromLittleEndian<quint16>(command.constData() + 1);
    if (operation == DeleteOperation) {
        m_device.removeRecord(ReadOperation, id);
        if (m_acknowledgeDeletes)
            m_device.send(SimCommunicator::message(DeleteOperation, id));
    } else if (operation == ReaderOperation) {
        m_readerOn = id != 0;
        if (m_readerOn && m_presentAfterMs > 0)
            m_presentTimer.start(m_presentAfterMs);
        else if (!m_readerOn)
            m_presentTimer.stop();
    }
}

int SimKeys::present(const QString &idHex)
{
    if (!m_readerOn)
        return -1;
    for (int slot = 0; slot < Slots; ++slot) {
        if (m_device.hasRecord(ReadOperation, quint16(slot)))
            continue;
        const QByteArray block = record({slot, idHex, 0, 1, 0xFF});
        m_device.setRecord(ReadOperation, quint16(slot), block);
        m_device.send(SimCommunicator::message(ReadOperation, quint16(slot), block));
        return slot;
    }
    return -1;
}

void SimKeys::sendBroken(int slot)
{
    QByteArray block = m_device.record(ReadOperation, quint16(slot));
    if (block.size() != RecordSize)
        block = record(keys().first());
    block[RecordSize - 1] = char(block.at(RecordSize - 1) ^ 0x5A);
    m_device.send(SimCommunicator::message(ReadOperation, quint16(slot), block));
}
