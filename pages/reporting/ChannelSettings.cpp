#include "pages/reporting/ChannelSettings.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "pages/reporting/DirectionSettings.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <cstddef>
#include <cstring>

namespace {
constexpr quint16 FreeSlot = 0xFFFF;
constexpr quint32 SecondsPerDay = 24 * 60 * 60;
} // namespace

ChannelSettings::ChannelSettings(s_channelGSMsett *block, QObject *parent)
    : QObject(parent), m_block(block)
{
}

void ChannelSettings::setType(quint8 type)
{
    m_block->type = type;
    Overmind *overmind = Overmind::instance();
    if (type != ChannelDisabled && overmind && overmind->directionSettings())
        overmind->directionSettings()->bindChannels();
}

// Fields of a packed block are copied, never reached through a typed pointer.
int ChannelSettings::phoneOffset(quint8 type)
{
    switch (type) {
    case ChannelUserSms:
        return offsetof(s_channelGSMsett, userSms.phone);
    case ChannelQuenorSms:
        return offsetof(s_channelGSMsett, quenor.phone);
    case ChannelCall:
        return offsetof(s_channelGSMsett, call.phone);
    case ChannelVoiceCall:
        return offsetof(s_channelGSMsett, voice.phone);
    default:
        return -1;
    }
}

quint64 ChannelSettings::phoneNumberValue(quint8 type) const
{
    const int offset = phoneOffset(type);
    quint64 value = 0;
    if (offset >= 0)
        std::memcpy(&value, reinterpret_cast<const char *>(m_block) + offset, sizeof(value));
    return value;
}

QString ChannelSettings::phoneNumber(quint8 type) const
{
    const quint64 value = phoneNumberValue(type);
    if (value == 0)
        return QString();
    const QString digits = QString::number(value);
    return digits.size() > 3 ? QLatin1Char('+') + digits : digits;
}

bool ChannelSettings::setPhoneNumber(const QString &text)
{
    if (text.isEmpty()) {
        logWarning(this, QStringLiteral("Phone number string has incorrect format: %1").arg(text));
        return setPhoneNumberValue(0);
    }
    const QString digits = text.startsWith(QLatin1Char('+')) ? text.mid(1) : text;
    bool ok = false;
    const quint64 value = digits.toULongLong(&ok, 10);
    // toULongLong takes blanks and signs around the digits; the device wants digits only.
    static const QRegularExpression onlyDigits(QStringLiteral("^[0-9]+$"));
    if (!ok || !onlyDigits.match(digits).hasMatch()) {
        logWarning(this,
                   QStringLiteral("Phone number string has incorrect format: %1").arg(digits));
        return false;
    }
    return setPhoneNumberValue(value);
}

quint64 ChannelSettings::internationalForm(quint64 value)
{
    constexpr quint64 first = 80000000000ULL;
    constexpr quint64 last = 89999999999ULL;
    constexpr quint64 shift = 10000000000ULL; // 8... -> 7...
    return value >= first && value <= last ? value - shift : value;
}

bool ChannelSettings::setPhoneNumberValue(quint64 value)
{
    const int offset = phoneOffset(type());
    if (offset >= 0) {
        const quint64 stored = internationalForm(value);
        std::memcpy(reinterpret_cast<char *>(m_block) + offset, &stored, sizeof(stored));
    }
    return true;
}

int ChannelSettings::dialAttempts() const
{
    if (type() == ChannelCall)
        return m_block->call.dialAttempts;
    if (type() == ChannelVoiceCall)
        return m_block->voice.dialAttempts;
    return 0;
}

bool ChannelSettings::setDialAttempts(int attempts)
{
    if (type() == ChannelCall)
        m_block->call.dialAttempts = quint16(attempts);
    else if (type() == ChannelVoiceCall)
        m_block->voice.dialAttempts = quint8(attempts);
    return true;
}

bool ChannelSettings::setSmsOption(quint8 bit, bool on, const char *refusal)
{
    if (type() != ChannelUserSms) {
        logWarning(this, QString::fromLatin1(refusal));
        return false;
    }
    if (on)
        m_block->userSms.options |= bit;
    else
        m_block->userSms.options &= quint8(~bit);
    return true;
}

bool ChannelSettings::setLanguage(bool english)
{
    return setSmsOption(0x01, english, "Language setting is not supported on this direction type");
}

bool ChannelSettings::setSendTime(bool on)
{
    return setSmsOption(0x02, on, "Sending time is not supported on this direction type");
}

bool ChannelSettings::setSendDate(bool on)
{
    return setSmsOption(0x04, on, "Sending date is not supported on this direction type");
}

void ChannelSettings::setOption(quint8 bit, bool on)
{
    if (on)
        m_block->dc09.options |= bit;
    else
        m_block->dc09.options &= quint8(~bit);
}

QString ChannelSettings::host() const
{
    const auto *address = m_block->dc09.address;
    if (useDns()) {
        const void *zero = std::memchr(address, 0, sizeof(m_block->dc09.address));
        const int length = zero ? int(static_cast<const quint8 *>(zero) - address)
                                : int(sizeof(m_block->dc09.address));
        // Written as UTF-8, so read as UTF-8: a port edit writes the name back unchanged.
        return QString::fromUtf8(reinterpret_cast<const char *>(address), length);
    }
    const quint32 ip = (quint32(address[0]) << 24) | (quint32(address[1]) << 16) |
                       (quint32(address[2]) << 8) | quint32(address[3]);
    return QHostAddress(ip).toString();
}

QUrl ChannelSettings::hostUrl() const
{
    QUrl url;
    url.setHost(host());
    if (useDns())
        url.setPort(port());
    return url;
}

QString ChannelSettings::hostText() const
{
    return useDns() ? QStringLiteral("%1:%2").arg(host()).arg(port()) : host();
}

void ChannelSettings::setHost(const QString &text, quint16 port)
{
    static const QRegularExpression ipv4(QStringLiteral("^(\\d{1,3}\\.){3}\\d{1,3}$"));
    QString plain = text;
    plain.remove(QStringLiteral("//"));
    auto &address = m_block->dc09.address;
    std::memset(address, 0, sizeof(address));
    if (ipv4.match(plain).hasMatch()) {
        QHostAddress parsed;
        const quint32 ip = parsed.setAddress(plain) ? parsed.toIPv4Address() : 0;
        address[0] = quint8(ip >> 24);
        address[1] = quint8(ip >> 16);
        address[2] = quint8(ip >> 8);
        address[3] = quint8(ip);
        setUseDns(false);
    } else {
        const QByteArray name = text.toUtf8().left(int(sizeof(address)));
        std::memcpy(address, name.constData(), size_t(name.size()));
        setUseDns(true);
    }
    setPort(port);
}

QByteArray ChannelSettings::encryptionKey() const
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(m_block->dc09.key),
                                   int(sizeof(m_block->dc09.key)));
}

void ChannelSettings::setEncryptionKey(const QByteArray &key)
{
    auto &stored = m_block->dc09.key;
    std::memset(stored, 0, sizeof(stored));
    std::memcpy(stored, key.constData(), size_t(qMin(key.size(), int(sizeof(stored)))));
}

void ChannelSettings::setTestEnabled(bool on)
{
    if (on)
        m_block->test.options |= 0x01;
    else
        m_block->test.options &= quint8(~0x01);
}

QTime ChannelSettings::timeOfDay(quint32 seconds)
{
    if (seconds >= SecondsPerDay)
        return QTime();
    return QTime(0, 0).addSecs(int(seconds));
}

quint32 ChannelSettings::secondsOf(const QTime &time)
{
    return time.isValid() ? quint32(QTime(0, 0).secsTo(time)) : 0;
}

QList<quint16> ChannelSettings::testTimeMinutes() const
{
    quint16 stored[MaxTestTimes];
    std::memcpy(stored, m_block->test.times, sizeof(stored));
    QList<quint16> minutes;
    for (quint16 slot : stored)
        if (slot != FreeSlot)
            minutes.append(slot);
    return minutes;
}

QList<QTime> ChannelSettings::testTimes() const
{
    QList<QTime> times;
    for (quint16 minutes : testTimeMinutes())
        times.append(QTime(0, 0).addSecs(int(minutes) * 60));
    return times;
}

void ChannelSettings::setTestTimeMinutes(const QList<quint16> &minutes)
{
    quint16 stored[MaxTestTimes];
    for (int i = 0; i < MaxTestTimes; ++i)
        stored[i] = i < minutes.size() ? minutes.at(i) : FreeSlot;
    std::memcpy(m_block->test.times, stored, sizeof(stored));
}

void ChannelSettings::setTestTimes(const QList<QTime> &times)
{
    QList<quint16> minutes;
    for (const QTime &time : times)
        minutes.append(quint16(secondsOf(time) / 60));
    setTestTimeMinutes(minutes);
}
