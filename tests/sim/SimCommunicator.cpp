#include "sim/SimCommunicator.h"

#include "link/Crc.h"
#include "sim/SimBus.h"
#include "sim/SimCountersValve.h"
#include "sim/SimDevice.h"

#include <QTimer>
#include <QtEndian>

namespace {
constexpr quint8 OpLogin = 0x01;
constexpr quint8 OpLogout = 0x05;
constexpr quint8 OpReadAll = 0x23;
constexpr quint8 OpReadFwHeader = 0x34;
constexpr quint8 OpReadComplete = 0x38;
constexpr quint8 OpReadProgress = 0x39;
constexpr quint8 OpKeepAlive = 0x50;
constexpr quint8 OpReboot = 0xD3;
constexpr quint8 OpError = 0xF0;
constexpr quint16 RebootMagic = 0xABCD;
constexpr int LoginField = 64;
constexpr int FwInfoSize = 88;

struct BlockKind
{
    quint8 writeOperation;
    quint8 readOperation;
    int size;
    bool withFileFlag; // 8 more bytes follow the record
};

// Writes of settings blocks and the read answers that echo them.
const BlockKind blockKinds[] = {
    {0x6E, 0x24, 512, false},  {0x7F, 0x24, 512, false}, {0x6F, 0x25, 512, false},
    {0x70, 0x26, 1024, false}, {0x71, 0x27, 256, false}, {0x72, 0x28, 256, false},
    {0x73, 0x29, 256, false},  {0x74, 0x2A, 256, false}, {0x75, 0x2B, 256, false},
    {0x76, 0x2C, 256, false},  {0x77, 0x2D, 256, false}, {0x78, 0x2E, 1024, false},
    {0x79, 0x2F, 512, true},   {0x7A, 0x33, 256, false}, {0x7C, 0x31, 1536, true},
    {0x7E, 0x3D, 1024, false}, {0x80, 0x3E, 256, false},
};

const BlockKind *blockKindForWrite(quint8 operation)
{
    for (const BlockKind &kind : blockKinds)
        if (kind.writeOperation == operation)
            return &kind;
    return nullptr;
}

bool isReadOperation(quint8 operation)
{
    for (const BlockKind &kind : blockKinds)
        if (kind.readOperation == operation)
            return true;
    // Status reads and reports the simulator can hold records for.
    switch (operation) {
    case 0x04:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x0E:
    case 0x0F:
    case 0x10:
    case 0x11:
    case 0x12:
    case 0x13:
    case 0x14:
    case 0x16:
    case 0x17:
    case 0x32:
    case 0x34:
    case 0x41:
    case 0x54:
        return true;
    default:
        return false;
    }
}

// Byte by byte: keeps the optimiser from doubting the array's size.
void putLittleEndian(QByteArray &bytes, int offset, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

QString fieldText(const QByteArray &field)
{
    const int end = field.indexOf('\0');
    return QString::fromUtf8(end < 0 ? field : field.left(end));
}

QByteArray defaultFirmwareInfo()
{
    QByteArray info(FwInfoSize, '\0');
    info.replace(0, 12, "Korvel-GSM R");
    putLittleEndian(info, 58, 40, 2);     // device type
    putLittleEndian(info, 60, 0x0102, 2); // hardware version
    putLittleEndian(info, 62, 0x0203, 2); // firmware version 2.3
    putLittleEndian(info, 68, 1767225600, 4);
    return info;
}
} // namespace

SimCommunicator::SimCommunicator(SimBus *bus, SimDevice *device, QObject *parent)
    : QObject(parent), m_bus(bus), m_device(device)
{
    setRecord(OpReadFwHeader, 16, defaultFirmwareInfo());
    m_device->setMessageHandler([this](const QByteArray &command) { onCommand(command); });
}

SimCommunicator::~SimCommunicator()
{
    m_device->setMessageHandler(nullptr);
}

void SimCommunicator::setRecord(quint8 readOperation, quint16 id, const QByteArray &record)
{
    const Key key(readOperation, id);
    if (!m_records.contains(key))
        m_recordOrder.append(key);
    m_records.insert(key, record);
}

QByteArray SimCommunicator::record(quint8 readOperation, quint16 id) const
{
    return m_records.value(Key(readOperation, id));
}

bool SimCommunicator::hasRecord(quint8 readOperation, quint16 id) const
{
    return m_records.contains(Key(readOperation, id));
}

void SimCommunicator::removeRecord(quint8 readOperation, quint16 id)
{
    const Key key(readOperation, id);
    m_records.remove(key);
    m_recordOrder.removeAll(key);
}

void SimCommunicator::clearRecords()
{
    m_records.clear();
    m_recordOrder.clear();
    setRecord(OpReadFwHeader, 16, defaultFirmwareInfo());
}

QByteArray SimCommunicator::sealBlock(QByteArray block)
{
    const int crcAt = block.size() - 4;
    block[crcAt - 2] = 1;
    block[crcAt - 1] = 1;
    putLittleEndian(block, crcAt, crc32Stm(block.constData(), quint32(crcAt)), 4);
    return block;
}

QByteArray SimCommunicator::makeBlock(int size, int seed)
{
    QByteArray block(size, '\0');
    for (int i = 0; i < size; ++i)
        block[i] = char((i * 11 + seed * 29 + 3) & 0xFF);
    return sealBlock(block);
}

void SimCommunicator::setCredentials(const QString &login, const QString &password, quint8 userId,
                                     quint8 accessLevel)
{
    m_login = login;
    m_password = password;
    m_userId = userId;
    m_accessLevel = accessLevel;
}

void SimCommunicator::failNext(quint8 operation, quint16 code, int times)
{
    m_failures.insert(operation, qMakePair(code, times));
}

void SimCommunicator::script(quint8 operation, const QList<QByteArray> &answers)
{
    m_scripts.insert(operation, answers);
}

void SimCommunicator::send(const QByteArray &message)
{
    m_device->sendMessage(message);
}

QByteArray SimCommunicator::message(quint8 type, quint16 id, const QByteArray &payload)
{
    QByteArray bytes;
    bytes.append(char(type));
    bytes.append(char(id & 0xFF));
    bytes.append(char(id >> 8));
    return bytes + payload;
}

QByteArray SimCommunicator::errorAnswer(quint8 operation, quint16 code, quint16 id)
{
    QByteArray payload(6, '\0');
    payload[0] = char(operation);
    putLittleEndian(payload, 2, code, 2);
    putLittleEndian(payload, 4, id, 2);
    return message(OpError, 0, payload);
}

QList<QByteArray> SimCommunicator::commandsOf(quint8 operation) const
{
    QList<QByteArray> matching;
    for (const QByteArray &command : m_commands)
        if (quint8(command.at(0)) == operation)
            matching.append(command);
    return matching;
}

void SimCommunicator::onCommand(const QByteArray &command)
{
    m_commands.append(command);
    if (command.size() >= 3) {
        // A refused command is not carried out, by the subsystems either.
        const quint8 operation = quint8(command.at(0));
        auto failure = m_failures.find(operation);
        if (failure != m_failures.end() && failure->second > 0) {
            const quint16 code = failure->first;
            if (--failure->second == 0)
                m_failures.erase(failure);
            send(errorAnswer(operation, code, qFromLittleEndian<quint16>(command.constData() + 1)));
            return;
        }
    }
    emit commandReceived(command);
    if (command.size() < 3)
        return;
    const quint8 operation = quint8(command.at(0));
    const quint16 id = qFromLittleEndian<quint16>(command.constData() + 1);
    const QByteArray payload = command.mid(3);

    const auto scripted = m_scripts.constFind(operation);
    if (scripted != m_scripts.constEnd()) {
        for (const QByteArray &answer : *scripted)
            send(answer);
        return;
    }
    if (m_extraHandler && m_extraHandler(operation, id, payload))
        return;
    handleBuiltIn(operation, id, payload);
}

bool SimCommunicator::handleBuiltIn(quint8 operation, quint16 id, const QByteArray &payload)
{
    if (operation == OpLogin) {
        handleLogin(payload);
    } else if (operation == OpKeepAlive) {
        send(message(OpKeepAlive, 0));
    } else if (operation == OpReadAll) {
        handleReadAll();
    } else if (operation == OpReboot) {
        handleReboot(id);
    } else if (blockKindForWrite(operation)) {
        handleWrite(operation, id, payload);
    } else if (SimCountersValve::handle(*this, operation, id, payload)) {
    } else if (isReadOperation(operation)) {
        answerRead(operation, id);
    } else {
        return operation == OpLogout;
    }
    return true;
}

void SimCommunicator::answerRead(quint8 readOperation, quint16 id)
{
    const Key key(readOperation, id);
    if (!m_records.contains(key)) {
        send(errorAnswer(readOperation, ErrMemoryEmpty, id));
        return;
    }
    send(message(readOperation, id, m_records.value(key)));
}

void SimCommunicator::handleLogin(const QByteArray &payload)
{
    if (payload.size() < 2 * LoginField + 1) {
        send(errorAnswer(OpLogin, ErrParameter, 0));
        return;
    }
    const bool forgotten = payload.at(2 * LoginField) == 1;
    if (forgotten)
        return;
    const QString login = fieldText(payload.left(LoginField));
    const QString password = fieldText(payload.mid(LoginField, LoginField));
    if (login != m_login || password != m_password) {
        send(errorAnswer(OpLogin, ErrWrongLogin, 0));
        return;
    }
    QByteArray answer;
    answer.append(char(m_userId));
    answer.append(char(m_accessLevel));
    send(message(OpLogin, 0, answer));
}

void SimCommunicator::handleWrite(quint8 writeOperation, quint16 id, const QByteArray &payload)
{
    const BlockKind *kind = blockKindForWrite(writeOperation);
    const int expected = kind->size + (kind->withFileFlag ? 8 : 0);
    if (payload.size() != expected) {
        send(errorAnswer(writeOperation, ErrParameter, id));
        return;
    }
    const QByteArray block = payload.left(kind->size);
    const int crcAt = kind->size - 4;
    if (block.at(crcAt - 2) != 1 || block.at(crcAt - 1) != 1) {
        send(errorAnswer(writeOperation, ErrSettingsVersion, id));
        return;
    }
    if (crc32Stm(block.constData(), quint32(crcAt)) !=
        qFromLittleEndian<quint32>(block.constData() + crcAt)) {
        send(errorAnswer(writeOperation, ErrCrc, id));
        return;
    }
    setRecord(kind->readOperation, id, block);
    send(message(kind->readOperation, id, block));
}

// The full configuration read: every held settings block, each followed by the
// progress answer, then the completion answer.
void SimCommunicator::handleReadAll()
{
    QList<Key> blocks;
    for (const Key &key : qAsConst(m_recordOrder)) {
        for (const BlockKind &kind : blockKinds) {
            if (kind.readOperation == key.first) {
                blocks.append(key);
                break;
            }
        }
    }
    const quint16 total = quint16(blocks.size());
    quint16 sent = 0;
    for (const Key &key : qAsConst(blocks)) {
        send(message(key.first, key.second, m_records.value(key)));
        ++sent;
        QByteArray progress(4, '\0');
        putLittleEndian(progress, 0, sent, 2);
        putLittleEndian(progress, 2, total, 2);
        send(message(OpReadProgress, 0, progress));
    }
    send(message(OpReadComplete, 0));
}

void SimCommunicator::handleReboot(quint16 id)
{
    if (id != RebootMagic)
        return;
    ++m_reboots;
    m_bus->unplug(m_device);
    QTimer::singleShot(m_rebootDowntime, this, [this] {
        m_bus->plug(m_device);
        emit rebooted();
    });
}
