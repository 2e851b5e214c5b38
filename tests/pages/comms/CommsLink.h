#pragma once

#include "link/Crc.h"
#include "radio/RadioLink.h"

#include <QTest>
#include <QtEndian>

#include <cstring>

// Helpers of the communication settings tests: records from bytes and back, and the blocks
// the simulated device holds after a write.
template <typename Record> Record recordOf(const QByteArray &bytes)
{
    Record record;
    std::memset(&record, 0, sizeof(record));
    std::memcpy(&record, bytes.constData(), size_t(qMin(int(sizeof(record)), bytes.size())));
    return record;
}

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(record)));
}

inline bool crcIsValid(const QByteArray &block)
{
    const int at = block.size() - 4;
    return crc32Stm(block.constData(), quint32(at)) ==
           qFromLittleEndian<quint32>(block.constData() + at);
}

// The payload of the last command of an operation the device received, empty when none.
inline QByteArray lastPayload(SimCommunicator &device, quint8 operation)
{
    const QList<QByteArray> sent = device.commandsOf(operation);
    return sent.isEmpty() ? QByteArray() : sent.last().mid(3);
}
