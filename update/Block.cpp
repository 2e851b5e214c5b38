#include "update/Block.h"

#include <QtEndian>

namespace {
quint8 byteSum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum = quint8(sum + quint8(byte));
    return sum;
}
} // namespace

Block::Block(const QByteArray &line, int headerSize) : m_line(line)
{
    if (line.size() < headerSize)
        return;
    m_length = quint8(line.at(headerSize - 1));
    m_data = line.mid(headerSize);
    m_valid = true;
}

BlockV1::BlockV1(const QByteArray &line) : Block(line, 3)
{
    if (m_valid)
        m_address = qFromLittleEndian<quint16>(line.constData());
}

quint8 BlockV1::checksum(const QByteArray &bytes) const
{
    return byteSum(bytes);
}

QByteArray BlockV1::serialize() const
{
    QByteArray bytes;
    bytes.append(char(m_address & 0xFF));
    bytes.append(char(m_address >> 8));
    bytes.append(char(m_data.size() & 0xFF));
    return bytes + m_data;
}

BlockV2::BlockV2(const QByteArray &line) : Block(line, 5)
{
    if (m_valid)
        m_address32 = qFromLittleEndian<quint32>(line.constData());
}

quint8 BlockV2::checksum(const QByteArray &bytes) const
{
    return byteSum(bytes);
}

QByteArray BlockV2::serialize() const
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(char((m_address32 >> (8 * i)) & 0xFF));
    bytes.append(char(m_data.size() & 0xFF));
    return bytes + m_data;
}
