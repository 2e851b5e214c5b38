#pragma once

#include "link/Crc.h"

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Records from bytes and back for the device settings tests.
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

inline bool sealedAsWritten(const QByteArray &block)
{
    const int at = block.size() - 4;
    return block.at(at - 2) == 1 && block.at(at - 1) == 1 &&
           crc32Stm(block.constData(), quint32(at)) ==
               qFromLittleEndian<quint32>(block.constData() + at);
}

// Every byte set to a value of its own, so a moved or lost byte shows.
inline QByteArray patterned(quint8 fill = 0)
{
    QByteArray block(256, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(fill ? fill : quint8(i * 7 + 3));
    return block;
}
