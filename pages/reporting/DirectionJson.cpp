#include "pages/reporting/DirectionJson.h"

#include "app/FileNumber.h"
#include "pages/reporting/ChannelSettings.h"
#include "pages/reporting/DirectionSettings.h"

#include <QJsonArray>
#include <QStringList>
#include <QUrl>
#include <cmath>

namespace {
const QString Partition = QStringLiteral("eventFilterPartitionEventMask");
const QString Zone = QStringLiteral("eventFilterZoneEventMask");
const QString Partitions = QStringLiteral("eventFilterPartitions");
const QString Power = QStringLiteral("eventFilterPowerMask");
const QString System = QStringLiteral("eventFilterSysEventMask");
const QString Out = QStringLiteral("eventFilterOutMask");
const QString Login = QStringLiteral("eventFilterLoginEventMask");
const QString Firmware = QStringLiteral("eventFilterFWEventMask");
const QString Transmitted = QStringLiteral("eventFilterTransmittedEvent");
const QString Gsm = QStringLiteral("eventFilterGSM");

constexpr quint64 U8 = 0xFF;
constexpr quint64 U16 = 0xFFFF;
constexpr quint64 U32 = 0xFFFFFFFFu;
constexpr quint64 Phone = 999999999999999999ULL; // 18 digits
constexpr int SecondsPerDay = 24 * 60 * 60;
constexpr int MinutesPerDay = 24 * 60;

QTime afterMidnight(quint64 seconds)
{
    return QTime(0, 0).addSecs(int(seconds % SecondsPerDay));
}

QJsonValue signed32(quint32 value)
{
    return qint32(value);
}
} // namespace

QJsonObject DirectionJson::toJson(int index, const s_ExtMemDataGSMDirection &record)
{
    QString name = DirectionSettings::nameOf(record);
    if (name.isEmpty())
        name = DirectionSettings::defaultName(index, false);
    QJsonArray channels;
    for (int i = 0; i < 3; ++i)
        channels.append(channelToJson(record.settings.channels[i], i));
    return QJsonObject{
        {QStringLiteral("id"), index},
        {QStringLiteral("directionName"), name},
        {QStringLiteral("sett"),
         QJsonObject{{QStringLiteral("channelGSM"), channels},
                     {QStringLiteral("filter"), filterToJson(record.settings.filter)}}},
        {QStringLiteral("settingsVersion"),
         QJsonObject{{QStringLiteral("compatible"), record.compatibleVersion},
                     {QStringLiteral("critical"), record.criticalVersion}}},
    };
}

QJsonObject DirectionJson::channelToJson(const s_channelGSMsett &block, int position)
{
    s_channelGSMsett copy = block;
    const ChannelSettings channel(&copy);
    return QJsonObject{
        {QStringLiteral("channelType"), channel.type()},
        {QStringLiteral("num"), position},
        {QStringLiteral("channelUserId"), channel.userId()},
        {QStringLiteral("settings"), settingsToJson(channel)},
        {QStringLiteral("test"), testToJson(channel)},
    };
}

QJsonObject DirectionJson::settingsToJson(const ChannelSettings &channel)
{
    return QJsonObject{
        {QStringLiteral("telephoneNumberSMS"),
         FileNumber::of(channel.phoneNumberValue(ChannelUserSms))},
        {QStringLiteral("date"), int(channel.sendDate())},
        {QStringLiteral("language"), int(channel.language())},
        {QStringLiteral("time"), int(channel.sendTime())},
        {QStringLiteral("telephoneNumberQUENOR3"),
         FileNumber::of(channel.phoneNumberValue(ChannelQuenorSms))},
        {QStringLiteral("telephoneNumberCALL"),
         FileNumber::of(channel.phoneNumberValue(ChannelCall))},
        {QStringLiteral("numberDialAttemptsCALL"), channel.dialAttempts()},
        {QStringLiteral("hostname"), channel.hostText()},
        {QStringLiteral("port"), channel.port()},
        {QStringLiteral("linkChannel"), channel.linkChannel()},
        {QStringLiteral("sendAttempts"), channel.sendAttempts()},
        {QStringLiteral("answerWaitTimeoutSec"), channel.answerWaitTimeout()},
        {QStringLiteral("encrypt"), int(channel.encrypt())},
        {QStringLiteral("receiver"), signed32(channel.receiver())},
        {QStringLiteral("holdConnected"), int(channel.holdConnected())},
        {QStringLiteral("useDNS"), int(channel.useDns())},
        {QStringLiteral("timestamp"), int(channel.timestamp())},
        {QStringLiteral("EncryptCode"), QString::fromLatin1(channel.encryptionKey().toHex())},
        {QStringLiteral("timeoutOnError"), qint64(channel.block()->timeoutOnError)},
    };
}

QJsonObject DirectionJson::testToJson(const ChannelSettings &channel)
{
    QJsonArray minutes;
    for (quint16 minute : channel.testTimeMinutes())
        minutes.append(minute);
    return QJsonObject{
        {QStringLiteral("type"), channel.testType()},
        {QStringLiteral("testPeriodMode"), int(channel.testPeriodMode())},
        {QStringLiteral("enable"), int(channel.testEnabled())},
        {QStringLiteral("channelsTestMode"), int(channel.channelsTestMode())},
        {QStringLiteral("time"), int(ChannelSettings::secondsOf(channel.testInterval()))},
        {QStringLiteral("weekDays"), channel.testWeekDays()},
        {QStringLiteral("taskType"), channel.taskType()},
        {QStringLiteral("timeMin"), minutes},
    };
}

QJsonObject DirectionJson::filterToJson(const eventFilter_t &filter)
{
    return QJsonObject{
        {Partition, FileNumber::of(filter.partitionEvents)},
        {Zone, FileNumber::of(filter.zoneEvents)},
        {Partitions, signed32(filter.partitions)},
        {Power, signed32(filter.powerEvents)},
        {System, signed32(filter.systemEvents)},
        {Out, filter.outEvents},
        {Login, filter.loginEvents},
        {Firmware, filter.firmwareEvents},
        {Transmitted, filter.transmittedEvent},
        {Gsm, filter.gsmEvents},
    };
}

void DirectionJson::refuse(const QString &key)
{
    if (m_badKey.isEmpty())
        m_badKey = key;
}

quint64 DirectionJson::number(const QJsonObject &object, const QString &key, quint64 max)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return 0;
    // Only a field wider than 53 bits is ever written as text.
    const bool textAllowed = max > quint64(FileNumber::ExactLimit);
    qint64 number = 0;
    if ((value.isString() && !textAllowed) || !FileNumber::read(value, number) || number < 0 ||
        quint64(number) > max) {
        refuse(key);
        return 0;
    }
    return quint64(number);
}

quint32 DirectionJson::word32(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return 0;
    const double number = value.toDouble();
    if (!value.isDouble() || !(number >= -2147483648.0 && number <= 4294967295.0)) {
        refuse(key);
        return 0;
    }
    return quint32(qint64(number));
}

quint64 DirectionJson::mask64(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return 0;
    quint64 mask = 0;
    if (!FileNumber::readWord(value, mask))
        refuse(key);
    return mask;
}

QString DirectionJson::text(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return QString();
    if (!value.isString())
        refuse(key);
    return value.toString();
}

bool DirectionJson::boolean(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isBool())
        return value.toBool();
    return number(object, key, U32) != 0;
}

int DirectionJson::index(const QJsonObject &direction)
{
    const QString key = m_version == 1 ? QStringLiteral("index") : QStringLiteral("id");
    return int(number(direction, key, U8));
}

bool DirectionJson::read(const QJsonObject &direction, int index, s_ExtMemDataGSMDirection &block)
{
    const bool v1 = m_version == 1;
    const QJsonObject sett = direction.value(QStringLiteral("sett")).toObject();
    eventFilter_t filter = block.settings.filter;
    if (!v1)
        filter = eventFilter_t{};
    readFilter(v1 ? direction : sett.value(QStringLiteral("filter")).toObject(), filter);
    block.settings.filter = filter;

    QString name = text(direction, v1 ? QStringLiteral("title") : QStringLiteral("directionName"));
    if (name.isEmpty())
        name = DirectionSettings::defaultName(index, false);
    DirectionSettings::putName(block, name);
    block.criticalVersion =
        v1 ? quint8(number(direction, QStringLiteral("version"), U8)) : quint8(1);

    const QJsonValue channels =
        v1 ? direction.value(QStringLiteral("channels")) : sett.value(QStringLiteral("channelGSM"));
    if (!channels.isArray())
        refuse(v1 ? QStringLiteral("channels") : QStringLiteral("channelGSM"));
    const QJsonArray list = channels.toArray();
    for (int j = 0; j < 3; ++j) {
        ChannelSettings channel(&block.settings.channels[j]);
        const QJsonObject object = list.at(j).toObject();
        if (v1)
            readChannelV1(object, channel);
        else
            readChannelV2(object, channel);
    }
    return ok();
}

void DirectionJson::readFilter(const QJsonObject &object, eventFilter_t &filter)
{
    filter.partitionEvents = mask64(object, Partition);
    filter.zoneEvents = mask64(object, Zone);
    filter.partitions = word32(object, Partitions);
    filter.powerEvents = word32(object, Power);
    filter.systemEvents = word32(object, System);
    filter.outEvents = quint16(number(object, Out, U16));
    filter.loginEvents = quint16(number(object, Login, U16));
    filter.firmwareEvents = quint16(number(object, Firmware, U16));
    filter.transmittedEvent = quint16(number(object, Transmitted, U16));
    filter.gsmEvents = quint16(number(object, Gsm, U16));
}

void DirectionJson::readChannelV1(const QJsonObject &object, ChannelSettings &channel)
{
    auto &block = *const_cast<s_channelGSMsett *>(channel.block());
    block.type = quint8(number(object, QStringLiteral("channelType"), ChannelVoiceCall));
    block.channelUserId = object.contains(QStringLiteral("userId"))
                              ? quint8(number(object, QStringLiteral("userId"), U8))
                              : quint8(255);
    const QString phone = text(object, QStringLiteral("phoneNumber"));
    if (!phone.isEmpty())
        channel.setPhoneNumber(phone);
    channel.setDialAttempts(int(number(object, QStringLiteral("dialAttempts"), U16)));
    if (channel.type() == ChannelUserSms) {
        channel.setSendTime(boolean(object, QStringLiteral("userSmsEnSendEventTime")));
        channel.setSendDate(boolean(object, QStringLiteral("userSmsEnSendEventDate")));
    }
    channel.setTimeoutOnError(afterMidnight(number(object, QStringLiteral("timeoutOnError"), U32)));
    const bool testing = number(object, QStringLiteral("testingEnable"), U32) == 1;
    channel.setTestEnabled(testing);
    if (testing) {
        channel.setChannelsTestMode(number(object, QStringLiteral("testWhen"), U32) != 0);
        channel.setTestType(quint8(number(object, QStringLiteral("testingType"), U8)));
        channel.setTestPeriodMode(number(object, QStringLiteral("testMode"), U32) != 0);
        channel.setTestInterval(
            afterMidnight(number(object, QStringLiteral("testingInterval"), U32)));
        channel.setTestWeekDays(quint8(number(object, QStringLiteral("testScheduleDays"), U8)));
        readTestTimesV1(text(object, QStringLiteral("testScheduleTimes")), channel);
    }
    if (channel.type() == ChannelUserSms)
        channel.setLanguage(boolean(object, QStringLiteral("lang")));
    const QString url = text(object, QStringLiteral("url"));
    if (url.isEmpty()) {
        channel.setPort(1);
    } else {
        const QUrl parsed(url.contains(QLatin1String("//")) ? url : QStringLiteral("//") + url);
        channel.setHost(parsed.host(), quint16(parsed.port(65535)));
    }
    channel.setLinkChannel(quint8(number(object, QStringLiteral("dc09ConnType"), U8)));
    channel.setSendAttempts(quint8(number(object, QStringLiteral("dc09SendAttempts"), U8)));
    channel.setAnswerWaitTimeout(quint8(number(object, QStringLiteral("dc09Timeout"), U8)));
    const bool encrypted = boolean(object, QStringLiteral("dc09Encrypt"));
    channel.setEncrypt(encrypted);
    if (encrypted)
        channel.setEncryptionKey(
            QByteArray::fromHex(text(object, QStringLiteral("dc09EncryptionKey")).toLatin1()));
}

void DirectionJson::readTestTimesV1(const QString &text, ChannelSettings &channel)
{
    QList<QTime> times;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QTime time = QTime::fromString(part, QStringLiteral("hh:mm"));
        times.append(time.isValid() ? time : QTime(0, 0));
    }
    channel.setTestTimes(times);
}

void DirectionJson::readChannelV2(const QJsonObject &object, ChannelSettings &channel)
{
    auto &block = *const_cast<s_channelGSMsett *>(channel.block());
    block.type = quint8(number(object, QStringLiteral("channelType"), ChannelVoiceCall));
    block.channelUserId = object.contains(QStringLiteral("channelUserId"))
                              ? quint8(number(object, QStringLiteral("channelUserId"), U8))
                              : quint8(255);
    const QJsonValue settings = object.value(QStringLiteral("settings"));
    if (!settings.isObject()) {
        refuse(QStringLiteral("settings"));
        return;
    }
    readSettingsV2(settings.toObject(), channel);
    readTestV2(object.value(QStringLiteral("test")).toObject(), channel);
}

void DirectionJson::readSettingsV2(const QJsonObject &settings, ChannelSettings &channel)
{
    channel.setTimeoutOnError(
        afterMidnight(number(settings, QStringLiteral("timeoutOnError"), U32)));
    switch (channel.type()) {
    case ChannelUserSms:
        channel.setPhoneNumberValue(number(settings, QStringLiteral("telephoneNumberSMS"), Phone));
        channel.setSendDate(boolean(settings, QStringLiteral("date")));
        channel.setLanguage(boolean(settings, QStringLiteral("language")));
        channel.setSendTime(boolean(settings, QStringLiteral("time")));
        break;
    case ChannelQuenorSms:
        channel.setPhoneNumberValue(
            number(settings, QStringLiteral("telephoneNumberQUENOR3"), Phone));
        break;
    case ChannelCall: {
        channel.setPhoneNumberValue(number(settings, QStringLiteral("telephoneNumberCALL"), Phone));
        // Written under the first key; files of older programs carry the second.
        const QString attempts = settings.contains(QStringLiteral("numberDialAttemptsCALL"))
                                     ? QStringLiteral("numberDialAttemptsCALL")
                                     : QStringLiteral("numberDialAttempts");
        channel.setDialAttempts(int(number(settings, attempts, U16)));
        break;
    }
    case ChannelDc09:
    case ChannelSurGard: {
        QString host = text(settings, QStringLiteral("hostname"));
        const int colon = host.lastIndexOf(QLatin1Char(':'));
        if (colon >= 0)
            host.truncate(colon);
        channel.setHost(host, quint16(number(settings, QStringLiteral("port"), U16)));
        channel.setLinkChannel(quint8(number(settings, QStringLiteral("linkChannel"), U8)));
        channel.setSendAttempts(quint8(number(settings, QStringLiteral("sendAttempts"), U8)));
        channel.setAnswerWaitTimeout(
            quint8(number(settings, QStringLiteral("answerWaitTimeoutSec"), U8)));
        channel.setEncrypt(boolean(settings, QStringLiteral("encrypt")));
        channel.setReceiver(word32(settings, QStringLiteral("receiver")));
        channel.setHoldConnected(boolean(settings, QStringLiteral("holdConnected")));
        channel.setUseDns(boolean(settings, QStringLiteral("useDNS")));
        channel.setTimestamp(boolean(settings, QStringLiteral("timestamp")));
        if (channel.type() == ChannelDc09)
            channel.setEncryptionKey(
                QByteArray::fromHex(text(settings, QStringLiteral("EncryptCode")).toLatin1()));
        break;
    }
    default:
        break;
    }
}

void DirectionJson::readTestV2(const QJsonObject &test, ChannelSettings &channel)
{
    channel.setTestEnabled(number(test, QStringLiteral("enable"), U32) == 1);
    channel.setChannelsTestMode(number(test, QStringLiteral("channelsTestMode"), U32) != 0);
    channel.setTestType(quint8(number(test, QStringLiteral("type"), U8)));
    channel.setTestPeriodMode(number(test, QStringLiteral("testPeriodMode"), U32) != 0);
    channel.setTestInterval(afterMidnight(number(test, QStringLiteral("time"), U32)));
    channel.setTestWeekDays(quint8(number(test, QStringLiteral("weekDays"), U8)));
    const QJsonValue minutes = test.value(QStringLiteral("timeMin"));
    if (!minutes.isUndefined() && !minutes.isArray())
        refuse(QStringLiteral("timeMin"));
    QList<quint16> slotList;
    const QJsonArray list = minutes.toArray();
    for (int i = 0; i < list.size() && i < ChannelSettings::MaxTestTimes; ++i) {
        const QJsonObject holder{{QStringLiteral("timeMin"), list.at(i)}};
        slotList.append(quint16(number(holder, QStringLiteral("timeMin"), MinutesPerDay - 1)));
    }
    channel.setTestTimeMinutes(slotList);
}
