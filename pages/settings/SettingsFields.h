#pragma once

#include "app/FileNumber.h"
#include "app/Logger.h"
#include "link/Crc.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QString>
#include <QtEndian>

#include <cmath>
#include <cstring>

// Shared handling of the device's 256-byte settings blocks and their file sections.
namespace SettingsFields {

constexpr int BlockSize = 256;
constexpr int VersionOffset = 250;
constexpr int CrcOffset = 252;

// Stamps the version bytes and the CRC of everything before it; a block of another size names
// where its CRC lies, the version bytes just before it.
inline void seal(quint8 *block, int crcOffset = CrcOffset)
{
    block[crcOffset - 2] = 1;
    block[crcOffset - 1] = 1;
    qToLittleEndian<quint32>(crc32Stm(block, crcOffset), block + crcOffset);
}

inline void zero(quint8 *block, int from, int to)
{
    std::memset(block + from, 0, size_t(to - from + 1));
}

inline quint16 word(const quint8 *block, int at)
{
    return qFromLittleEndian<quint16>(block + at);
}

inline void putWord(quint8 *block, int at, quint16 value)
{
    qToLittleEndian<quint16>(value, block + at);
}

inline quint32 dword(const quint8 *block, int at)
{
    return qFromLittleEndian<quint32>(block + at);
}

inline void putDword(quint8 *block, int at, quint32 value)
{
    qToLittleEndian<quint32>(value, block + at);
}

inline bool bit(const quint8 *block, int at, int bitNumber)
{
    return (block[at] >> bitNumber) & 1;
}

inline void setBit(quint8 *block, int at, int bitNumber, bool on)
{
    block[at] = on ? quint8(block[at] | (1u << bitNumber)) : quint8(block[at] & ~(1u << bitNumber));
}

// A number of the file as a whole number, a fraction truncated toward zero; 0 for anything
// else. Values
// beyond the 64-bit range saturate, so no conversion is undefined.
inline qint64 integer(const QJsonValue &value)
{
    qint64 exact = 0;
    if (FileNumber::read(value, exact))
        return exact;
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (std::isnan(number))
        return 0;
    if (number >= 9.2e18)
        return Q_INT64_C(9200000000000000000);
    if (number <= -9.2e18)
        return -Q_INT64_C(9200000000000000000);
    return qint64(std::trunc(number));
}

// A number from a file section held to its field; a value that does not fit is clamped
// and the key named in a warning instead of wrapping silently.
inline qint64 fitted(QObject *sender, const QJsonObject &section, const QString &key, qint64 low,
                     qint64 high)
{
    const qint64 value = integer(section.value(key));
    if (value >= low && value <= high)
        return value;
    const qint64 kept = value < low ? low : high;
    logWarning(sender, QStringLiteral("\"%1\" = %2 does not fit its field, stored as %3")
                           .arg(key)
                           .arg(section.value(key).toDouble(), 0, 'g', 17)
                           .arg(kept));
    return kept;
}

inline quint16 fittedWord(QObject *sender, const QJsonObject &section, const QString &key)
{
    return quint16(fitted(sender, section, key, 0, 0xFFFF));
}

// A text cut to the field at a character boundary; a cut is logged.
inline QByteArray fittedText(QObject *sender, const QString &text, int maxBytes,
                             const QString &what)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    int cut = maxBytes;
    while (cut > 0 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    logWarning(sender, QStringLiteral("%1 longer than %2 bytes, cut to \"%3\"")
                           .arg(what)
                           .arg(maxBytes)
                           .arg(QString::fromUtf8(bytes)));
    return bytes;
}

// A zero-padded text field: the text up to the first zero byte or the whole field.
inline QString text(const quint8 *field, int width)
{
    const void *end = std::memchr(field, 0, size_t(width));
    const int length = end ? int(static_cast<const quint8 *>(end) - field) : width;
    return QString::fromUtf8(reinterpret_cast<const char *>(field), length);
}

} // namespace SettingsFields
