#include "update/DMIA.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {
const QByteArray Separator = QByteArrayLiteral("\n---END_OF_DMIA---\n");
const QByteArray ScrambleKey =
    QByteArray::fromHex("3c9a51e7b20f846dd13a7e59c6084fb2e71d93a65c28f04b1e97d36a85c2f4");
const int MetaTypeId = qRegisterMetaType<pDMIA>("pDMIA");

QString text(const char *source)
{
    return QCoreApplication::translate("DMIA", source);
}

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

class Descrambler
{
public:
    QByteArray apply(const QByteArray &line)
    {
        QByteArray plain(line);
        for (char &byte : plain) {
            byte = char(byte ^ ScrambleKey.at(m_index));
            m_index = (m_index + 1) % ScrambleKey.size();
        }
        return plain;
    }

private:
    int m_index = 0;
};
} // namespace

DMIA::SPtr DMIA::read(const QString &path, bool keepDescrambledLines)
{
    Q_UNUSED(MetaTypeId)
    if (!QFile::exists(path))
        throw not_exists_exception(text("file does not exists"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw dmia_exception(text("Cannot open file"));
    const QString deviceLine = QString::fromUtf8(file.readLine());
    const QByteArray header = QByteArray::fromBase64(file.readLine());
    checkHeader(header);
    SPtr container(new DMIA);
    container->readHeader(header, deviceLine);
    container->readLines(file, keepDescrambledLines, deviceLine);
    return container;
}

QList<DMIA::SPtr> DMIA::readAll(const QString &path, bool keepDescrambledLines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw dmia_exception(text("Cannot open file"));
    const QByteArray whole = file.readAll();
    file.close();
    QTemporaryDir folder;
    if (!folder.isValid())
        throw dmia_exception(text("Cannot open file"));
    QList<SPtr> containers;
    int position = 0;
    int count = 0;
    while (position < whole.size()) {
        const int separator = whole.indexOf(Separator, position);
        const int end = separator < 0 ? whole.size() : separator;
        const QString piecePath = QStringLiteral("%1/%2.dmia").arg(folder.path()).arg(count++);
        QFile piece(piecePath);
        if (!piece.open(QIODevice::WriteOnly))
            throw dmia_exception(text("Cannot open file"));
        piece.write(whole.constData() + position, end - position);
        piece.close();
        containers.append(read(piecePath, keepDescrambledLines));
        if (separator < 0)
            break;
        position = separator + Separator.size();
    }
    return containers;
}

QString DMIA::deviceName(const QString &deviceLine)
{
    const QString marker = QStringLiteral("Device: ");
    const int at = deviceLine.lastIndexOf(marker);
    const QString rest = at < 0 ? deviceLine : deviceLine.mid(at + marker.size());
    const int hw = rest.indexOf(QStringLiteral(", HW:"));
    return hw < 0 ? rest : rest.left(hw);
}

// A header too short to hold its record is as broken as one with a wrong sum.
void DMIA::checkHeader(const QByteArray &header)
{
    if (header.size() < HeaderSize)
        throw bad_format_exception(text("Header crc is broken"));
    quint16 sum = 0;
    for (int i = 0; i < header.size() - 2; ++i)
        sum = quint16(sum + quint8(header.at(i)));
    if (sum != wordAt(header, header.size() - 2))
        throw bad_format_exception(text("Header crc is broken"));
}

void DMIA::readHeader(const QByteArray &header, const QString &deviceLine)
{
    m_header = header;
    m_name = deviceName(deviceLine);
    m_deviceType = wordAt(header, 0);
    m_hardwareVersion = wordAt(header, 2);
    m_firmwareVersion = wordAt(header, 4);
    m_wideAddresses = (quint8(header.at(6)) & 1) != 0;
    m_buildTime =
        QDateTime::fromSecsSinceEpoch(qFromLittleEndian<quint32>(header.constData() + 18));
}

void DMIA::readLines(QIODevice &file, bool keepDescrambledLines, const QString &deviceLine)
{
    Descrambler descrambler;
    quint16 dataSum = 0;
    while (!file.atEnd()) {
        const QByteArray raw = file.readLine();
        const QByteArray line = isWeb() ? raw : QByteArray::fromBase64(raw);
        for (char byte : line)
            dataSum = quint16(dataSum + quint8(byte));
        if (line.isEmpty())
            continue;
        if (!keepDescrambledLines)
            m_lines.append(line);
        const QByteArray plain = descrambler.apply(line);
        if (keepDescrambledLines)
            m_lines.append(plain);
        if (!isWeb())
            addBlock(plain);
    }
    if (isWeb())
        return;
    assembleImage();
    if (dataSum != wordAt(m_header, 14))
        throw bad_format_exception(text("CRC Check error for firmware: %1").arg(deviceLine));
}

void DMIA::addBlock(const QByteArray &plain)
{
    Block::SPtr block;
    if (m_wideAddresses)
        block = std::make_shared<BlockV2>(plain);
    else
        block = std::make_shared<BlockV1>(plain);
    if (!block->isValid())
        throw bad_format_exception(text("Block is broken"));
    const quint32 address = block->address();
    if (address < m_lowestAddress)
        m_lowestAddress = address;
    if (block->dataSize() > 0) {
        const quint64 last = quint64(address) + quint64(block->dataSize()) - 1;
        if (last > m_highestAddress)
            m_highestAddress = quint32(qMin<quint64>(last, 0xFFFFFFFFu));
    }
    m_blocks.append(block);
}

// Each block lands at its own address, whatever the order of the records.
void DMIA::assembleImage()
{
    if (m_blocks.isEmpty() || m_highestAddress < m_lowestAddress)
        return;
    const quint64 span = quint64(m_highestAddress) - m_lowestAddress + 1;
    if (span > MaxImageSize)
        throw bad_format_exception(text("Block is broken"));
    image = QByteArray(int(span), char(0xFF));
    for (const Block::SPtr &block : qAsConst(m_blocks)) {
        if (block->address() < m_lowestAddress || block->dataSize() == 0)
            continue;
        const quint64 offset = quint64(block->address()) - m_lowestAddress;
        const int size = int(qMin<quint64>(quint64(block->dataSize()), span - offset));
        image.replace(int(offset), size, block->data().constData(), size);
    }
}

QString firmwareTypeName(unsigned int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("Tarvo-H1");
    case 1:
        return QStringLiteral("Tarvo-H1-MK2");
    case 40:
    case 41:
        return QStringLiteral("Tarvo-H2");
    case 42:
        return QStringLiteral("Ostrel");
    case 43:
        return QStringLiteral("Tarvo-D1");
    case 44:
        return QStringLiteral("Tarvo-D2");
    case 45:
        return QStringLiteral("Tarvo-H1-ExtFlash");
    case 51:
        return firmwareTypeName(30);
    case 54:
        return QStringLiteral("Tarvo-H3");
    case 56:
        return firmwareTypeName(19);
    case 8:
    case 9:
    case 35:
    case 36:
    case 60:
        return QStringLiteral("Invalid type");
    default:
        break;
    }
    if (code > 65)
        return QStringLiteral("Invalid type");
    return QStringLiteral("Tarvo-T%1").arg(code, 2, 10, QLatin1Char('0'));
}
