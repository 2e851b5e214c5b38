#pragma once

#include "link/Crc.h"

#include <QByteArray>
#include <QtEndian>

// Builders of device messages for the protocol tests.
namespace AnswerBuilder {

inline QByteArray message(quint8 type, quint16 id, const QByteArray &payload = QByteArray())
{
    QByteArray bytes;
    bytes.append(char(type));
    bytes.append(char(id & 0xFF));
    bytes.append(char(id >> 8));
    return bytes + payload;
}

// Recognisable bytes that differ between records of different seeds.
inline QByteArray pattern(int size, int seed = 1)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed * 13 + 1) & 0xFF);
    return bytes;
}

inline void setLittleEndian32(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

// A record sealed the device's way: the CRC of every byte before crcOffset, stored there.
inline QByteArray sealed(int size, int crcOffset, int seed = 1)
{
    QByteArray bytes = pattern(size, seed);
    setLittleEndian32(bytes, crcOffset, crc32Stm(bytes.constData(), quint32(crcOffset)));
    return bytes;
}

// A settings block whose CRC sits in its last four bytes.
inline QByteArray block(int size, int seed = 1)
{
    return sealed(size, size - 4, seed);
}

inline QByteArray broken(QByteArray sealedRecord)
{
    sealedRecord[0] = char(sealedRecord.at(0) ^ 0x5A);
    return sealedRecord;
}

inline QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(value & 0xFF);
    bytes[1] = char(value >> 8);
    return bytes;
}

inline QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    setLittleEndian32(bytes, 0, value);
    return bytes;
}

} // namespace AnswerBuilder
