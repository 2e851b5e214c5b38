#include "pages/settings/DateTimeSettings.h"

namespace {
int bcd(quint32 word, int shift, quint32 tensMask)
{
    return int(((word >> (shift + 4)) & tensMask) * 10 + ((word >> shift) & 0xF));
}
} // namespace

QDateTime DateTimeSettings::decode(quint32 dateWord, quint32 timeWord)
{
    const QDate date(2000 + bcd(dateWord, 16, 0xF), bcd(dateWord, 8, 0x1), bcd(dateWord, 0, 0x3));
    const QTime time(bcd(timeWord, 16, 0x3), bcd(timeWord, 8, 0x7), bcd(timeWord, 0, 0x7));
    return QDateTime(date, time, Qt::UTC);
}

void DateTimeSettings::updateDateTime(quint32 dateWord, quint32 timeWord)
{
    m_dateWord = dateWord;
    m_timeWord = timeWord;
    m_dateTime = decode(dateWord, timeWord);
    emit dateTimeUpdated();
}
