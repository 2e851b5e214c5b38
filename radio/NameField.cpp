#include "radio/NameField.h"

#include <cstring>

namespace {
bool needsEscape(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\\');
}

// Length in UTF-16 units of the character starting at index: surrogate pairs stay whole.
int characterLength(const QString &text, int index)
{
    if (text.at(index).isHighSurrogate() && index + 1 < text.size() &&
        text.at(index + 1).isLowSurrogate())
        return 2;
    return 1;
}

QByteArray prefix(const QString &text, int maxBytes, bool escape)
{
    QByteArray bytes;
    for (int i = 0; i < text.size();) {
        const int length = characterLength(text, i);
        QByteArray unit = text.mid(i, length).toUtf8();
        if (escape && needsEscape(text.at(i)))
            unit.prepend('\\');
        if (bytes.size() + unit.size() > maxBytes)
            break;
        bytes += unit;
        i += length;
    }
    return bytes;
}
} // namespace

QString escapeName(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (needsEscape(c))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QString unescapeName(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size() && needsEscape(text.at(i + 1)))
            ++i;
        plain += text.at(i);
    }
    return plain;
}

QByteArray utf8Prefix(const QString &text, int maxBytes)
{
    return prefix(text, maxBytes, false);
}

QByteArray escapedUtf8Prefix(const QString &text, int maxBytes)
{
    return prefix(text, maxBytes, true);
}

QString nameFieldText(const quint8 *field, int fieldSize)
{
    const auto *begin = reinterpret_cast<const char *>(field);
    const void *nul = std::memchr(begin, 0, size_t(fieldSize));
    const int length = nul ? int(static_cast<const char *>(nul) - begin) : fieldSize;
    return QString::fromUtf8(begin, length);
}

void fillNameField(quint8 *field, const QByteArray &bytes, quint8 filler, int fieldSize)
{
    std::memset(field, filler, size_t(fieldSize));
    const int length = qMin(bytes.size(), fieldSize - 1);
    std::memcpy(field, bytes.constData(), size_t(length));
    field[length] = 0;
}

QString namePattern(int maxCharacters)
{
    return QString::fromUtf8(
               R"(^[0-9a-zA-Zа-яА-ЯёЁ№_ ~!@#\$%\^&\*\+='\|;:\(\)<>\{\}\[\]\,\.\?\/\-]{0,%1}$)")
        .arg(maxCharacters);
}
