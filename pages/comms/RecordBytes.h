#pragma once

#include <QString>
#include <QtEndian>
#include <QtGlobal>

#include <cstring>

// Little-endian fields and text fields inside fixed-size device records.
namespace RecordBytes {

inline quint16 word(const quint8 *record, int at)
{
    return qFromLittleEndian<quint16>(record + at);
}

inline void putWord(quint8 *record, int at, quint16 value)
{
    qToLittleEndian<quint16>(value, record + at);
}

inline bool bit(quint8 byte, int bitNumber)
{
    return (byte >> bitNumber) & 1;
}

inline void setBit(quint8 &byte, int bitNumber, bool on)
{
    byte = on ? quint8(byte | (1u << bitNumber)) : quint8(byte & ~(1u << bitNumber));
}

// The longest prefix of the text whose UTF-8 form fits the byte count; never splits a
// character (a surrogate pair counts as one).
inline QByteArray utf8Prefix(const QString &text, int maxBytes)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    int cut = maxBytes;
    // Step back over continuation bytes to the start of the character that does not fit.
    while (cut > 0 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return bytes;
}

// A zero-padded field: the text up to the first zero byte, or the whole field.
inline QString fieldText(const quint8 *field, int width)
{
    const void *end = std::memchr(field, 0, size_t(width));
    const int length = end ? int(static_cast<const quint8 *>(end) - field) : width;
    return QString::fromUtf8(reinterpret_cast<const char *>(field), length);
}

// Zero-fills the field and copies as much of the text as fits whole characters.
inline void putFieldText(quint8 *field, int width, const QString &text)
{
    std::memset(field, 0, size_t(width));
    const QByteArray bytes = utf8Prefix(text, width);
    std::memcpy(field, bytes.constData(), size_t(bytes.size()));
}

} // namespace RecordBytes
