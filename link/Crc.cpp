#include "link/Crc.h"

#include <array>

namespace {

constexpr quint8 reversedBits(quint8 value)
{
    quint8 result = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (value & (1u << bit))
            result |= quint8(0x80u >> bit);
    }
    return result;
}

constexpr std::array<quint8, 256> makeReverseTable()
{
    std::array<quint8, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = reversedBits(quint8(i));
    return table;
}

constexpr std::array<quint8, 256> ReverseTable = makeReverseTable();

quint32 crc32Step(quint32 crc, quint32 word)
{
    crc ^= word;
    for (int bit = 0; bit < 32; ++bit)
        crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : (crc << 1);
    return crc;
}

} // namespace

quint16 crc16Of(const char *data, int length)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < length; ++i) {
        crc ^= quint16(ReverseTable[quint8(data[i])] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000u) ? quint16((crc << 1) ^ 0x1021u) : quint16(crc << 1);
    }
    return crc;
}

quint16 crc16Of(const QByteArray &message)
{
    return crc16Of(message.constData(), message.size());
}

void crc16Append(QByteArray &message)
{
    const quint16 crc = crc16Of(message);
    message.append(char(crc & 0xFF));
    message.append(char(crc >> 8));
}

quint32 crc32Stm(const void *data, quint32 length)
{
    const auto *bytes = static_cast<const quint8 *>(data);
    quint32 crc = 0xFFFFFFFFu;
    quint32 offset = 0;
    for (; offset + 4 <= length; offset += 4) {
        const quint32 word = quint32(bytes[offset]) | (quint32(bytes[offset + 1]) << 8) |
                             (quint32(bytes[offset + 2]) << 16) |
                             (quint32(bytes[offset + 3]) << 24);
        crc = crc32Step(crc, word);
    }
    if (offset < length) {
        quint32 word = 0;
        for (quint32 shift = 0; offset < length; ++offset, shift += 8)
            word |= quint32(bytes[offset]) << shift;
        crc = crc32Step(crc, word);
    }
    return crc;
}
