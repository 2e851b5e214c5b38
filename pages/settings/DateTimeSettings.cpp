#include "pages/settings/DateTimeSettings.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

using namespace SettingsFields;

namespace {
constexpr int NtpSize = 32;
constexpr int TzOffset = 32;
constexpr int SourceByte = 76;
constexpr int FlagsByte = 77;

int digits(quint32 word, int shift, quint32 tensMask)
{
    return int(((word >> (shift + 4)) & tensMask) * 10 + ((word >> shift) & 0xF));
}

quint32 bcd(int value)
{
    return quint32((value / 10) << 4 | (value % 10));
}
} // namespace

DateTimeSettings::DateTimeSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    logDebug(this, QStringLiteral("Created"));
}

QDateTime DateTimeSettings::decode(quint32 dateWord, quint32 timeWord)
{
    const QDate date(2000 + digits(dateWord, 16, 0xF), digits(dateWord, 8, 0x1),
                     digits(dateWord, 0, 0x3));
    const QTime time(digits(timeWord, 16, 0x3), digits(timeWord, 8, 0x7), digits(timeWord, 0, 0x7));
    return QDateTime(date, time, Qt::UTC);
}

quint32 DateTimeSettings::encodeDate(const QDate &date)
{
    return quint32(date.dayOfWeek()) << 13 | bcd(date.year() % 100) << 16 | bcd(date.month()) << 8 |
           bcd(date.day());
}

quint32 DateTimeSettings::encodeTime(const QTime &time)
{
    return bcd(time.hour()) << 16 | bcd(time.minute()) << 8 | bcd(time.second());
}

void DateTimeSettings::updateDateTime(quint32 dateWord, quint32 timeWord)
{
    logDebug(this, QStringLiteral("Updated"));
    if (holdsWords(dateWord, timeWord))
        return;
    m_dateWord = dateWord;
    m_timeWord = timeWord;
    m_dateTime = decode(dateWord, timeWord);
    logDebug(this, QStringLiteral("Updated: %1").arg(m_dateTime.isValid() ? 1 : 0));
    emit dateTimeUpdated();
}

void DateTimeSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Saving settings"));
    const QDateTime utc = m_dateTime.toUTC();
    u_DateSTM32F4xx date;
    u_TimeSTM32F4xx time;
    date.value = encodeDate(utc.date());
    time.value = encodeTime(utc.time());
    if (protocol())
        protocol()->writeDateTime(date, time);
}

QJsonValue DateTimeSettings::toJson() const
{
    QJsonObject section;
    if (!m_device)
        return section;
    const quint8 *block = device();
    section.insert(QStringLiteral("timeSource"), int(block[SourceByte]));
    section.insert(QStringLiteral("UseNetworkTz"), int(bit(block, FlagsByte, 2)));
    section.insert(QStringLiteral("UseNetworkDaylight"), int(bit(block, FlagsByte, 3)));
    section.insert(QStringLiteral("NTPServer"), text(block, NtpSize));
    section.insert(QStringLiteral("tzOffset"), qFromLittleEndian<qint32>(block + TzOffset));
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(word(block, VersionOffset)));
    return section;
}

bool DateTimeSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!m_device)
        return false;
    if (!value.isObject()) {
        logWarning(this, QStringLiteral("Section \"DateTime\" is not an object, nothing read"));
        return false;
    }
    const QJsonObject section = value.toObject();
    quint8 *block = device();
    if (formatVersion == 1 || formatVersion == 2) {
        const QString sourceKey =
            formatVersion == 2 ? QStringLiteral("timeSource") : QStringLiteral("TimeSource");
        if (section.contains(QStringLiteral("UseNetworkTime"))) {
            block[SourceByte] = 0;
        } else if (section.contains(sourceKey)) {
            const quint8 source = quint8(integer(section.value(sourceKey)) & 0xFF);
            block[SourceByte] = source <= 3 ? source : 2;
        }
        if (formatVersion == 2)
            emit updateNtpServer(section.value(QStringLiteral("NTPServer")).toString());
        else if (integer(section.value(QStringLiteral("TimeSource"))) == 1)
            emit updateNtpServer(section.value(QStringLiteral("NTP")).toString());
        if (section.contains(QStringLiteral("UseNetworkTz")))
            setBit(block, FlagsByte, 2,
                   integer(section.value(QStringLiteral("UseNetworkTz"))) == 1);
        if (section.contains(QStringLiteral("UseNetworkDaylight")))
            setBit(block, FlagsByte, 3,
                   integer(section.value(QStringLiteral("UseNetworkDaylight"))) == 1);
        const QString tzKey =
            formatVersion == 2 ? QStringLiteral("tzOffset") : QStringLiteral("timezone");
        // Offsets beyond a day either way are no time zone; held to that instead of wrapping.
        qToLittleEndian<qint32>(qint32(fitted(this, section, tzKey, -86400, 86400)),
                                block + TzOffset);
    }
    emit dateTimeUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode()) {
        logDebug(this, QStringLiteral("Saving settings"));
        putDword(block, CrcOffset, crc32Stm(block, CrcOffset));
        if (protocol())
            protocol()->writeDeviceData(*m_device);
    }
    return true;
}

void DateTimeSettings::resetToDefault()
{
    logDebug(this, QStringLiteral("Reset date and time settings to default"));
    resetOnDevice(ResetDateTime);
}
