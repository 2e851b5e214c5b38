#include "journal/CodePageText.h"

#include <QTextCodec>

#include <cstring>

QString codePageText(const char *bytes, int size)
{
    const auto *end = static_cast<const char *>(std::memchr(bytes, 0, size_t(size)));
    const int length = end ? int(end - bytes) : size;
    static QTextCodec *const codec = QTextCodec::codecForName("windows-1251");
    if (!codec)
        return QString::fromLatin1(bytes, length);
    return codec->toUnicode(bytes, length);
}
