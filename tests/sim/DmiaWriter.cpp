#include "sim/DmiaWriter.h"

#include <QFile>

namespace {
const QByteArray Key =
    QByteArray::fromHex("3c9a51e7b20f846dd13a7e59c6084fb2e71d93a65c28f04b1e97d36a85c2f4");

void putWord(QByteArray &bytes, int at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

QByteArray record(quint32 address, const QByteArray &data, bool wide)
{
    QByteArray bytes(wide ? 5 : 3, '\0');
    putWord(bytes, 0, address, wide ? 4 : 2);
    bytes[wide ? 4 : 2] = char(data.size() & 0xFF);
    return bytes + data;
}
} // namespace

QByteArray DmiaWriter::scramble(const QByteArray &plain, int &keyIndex)
{
    QByteArray out(plain);
    for (char &byte : out) {
        byte = char(byte ^ Key.at(keyIndex));
        keyIndex = (keyIndex + 1) % Key.size();
    }
    return out;
}

QList<QByteArray> DmiaWriter::scrambledLines() const
{
    QList<QByteArray> lines;
    int keyIndex = 0;
    if (deviceType == 59) {
        for (const QByteArray &line : rawLines)
            lines.append(line + '\n');
        return lines;
    }
    for (const auto &block : blocks)
        lines.append(scramble(record(block.first, block.second, wideAddresses), keyIndex));
    for (const QByteArray &plain : plainRecords)
        lines.append(scramble(plain, keyIndex));
    return lines;
}

QByteArray DmiaWriter::header() const
{
    QByteArray bytes(24, '\0');
    putWord(bytes, 0, deviceType, 2);
    putWord(bytes, 2, hardwareVersion, 2);
    putWord(bytes, 4, firmwareVersion, 2);
    bytes[6] = char(wideAddresses ? 1 : 0);
    quint16 dataSum = 0;
    for (const QByteArray &line : scrambledLines())
        for (char byte : line)
            dataSum = quint16(dataSum + quint8(byte));
    putWord(bytes, 14, quint16(dataSum + (breakDataSum ? 1 : 0)), 2);
    putWord(bytes, 18, buildTime, 4);
    QByteArray full = bytes.left(22) + headerExtra;
    quint16 sum = 0;
    for (char byte : full)
        sum = quint16(sum + quint8(byte));
    full.append(char(0));
    full.append(char(0));
    putWord(full, full.size() - 2, quint16(sum + (breakHeaderSum ? 1 : 0)), 2);
    // The header record keeps offset 22 for the sum when nothing follows it.
    return full;
}

QByteArray DmiaWriter::container() const
{
    QByteArray text = deviceLine.toUtf8() + '\n' + header().toBase64() + '\n';
    const QList<QByteArray> lines = scrambledLines();
    for (const QByteArray &line : lines)
        text += deviceType == 59 ? line : line.toBase64() + '\n';
    return text;
}

QString DmiaWriter::write(const QString &path, const QList<QByteArray> &containers)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(containers.join(QByteArrayLiteral("\n---END_OF_DMIA---\n")));
    return path;
}

QList<QPair<quint32, QByteArray>> DmiaWriter::image(quint32 address, int size, int lineSize,
                                                    int seed)
{
    QList<QPair<quint32, QByteArray>> list;
    for (int at = 0; at < size; at += lineSize) {
        QByteArray data(qMin(lineSize, size - at), '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(((at + i) * 7 + seed * 13) & 0xFF);
        list.append(qMakePair(address + quint32(at), data));
    }
    return list;
}
