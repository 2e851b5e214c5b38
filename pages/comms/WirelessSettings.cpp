#include "pages/comms/WirelessSettings.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/RecordBytes.h"
#include "pages/comms/SectionValues.h"
#include "pages/settings/SettingsFields.h"

#include <cstring>

namespace {
constexpr int ChannelByte = 32;
constexpr int GroupByte = 33;
constexpr int ConfigTimeOffset = 34;
constexpr int IntervalOffset = 36;
constexpr int BestModeByte = 54;
constexpr int BestChannelByte = 55;
constexpr int VersionOffset = 250;
constexpr int CrcOffset = 252;
constexpr int StatusChannelByte = 25;
constexpr quint8 ChannelBits = 0x7F;
constexpr quint8 AutoSwitchBit = 0x80;
constexpr quint8 KeptBestModeBits = 0xC1;
} // namespace

WirelessSettings::WirelessSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    std::memset(&m_status, 0, sizeof(m_status));
    m_data.compatibleVersion = 1;
    m_data.criticalVersion = 1;
    logDebug(this, QStringLiteral("Created"));
    if (protocol) {
        connect(protocol, &Protocol::wirelessData, this, &WirelessSettings::settings);
        connect(protocol, &Protocol::wirelessStatus, this,
                &WirelessSettings::onWirelessStatusUpdated);
    }
}

WirelessSettings::~WirelessSettings() = default;

int WirelessSettings::radioChannelCount()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->deviceInfo().radioChannelCount() : 10;
}

QList<int> WirelessSettings::groupChannels(int group)
{
    switch (group) {
    case 0:
        return {0, 1, 2, 3};
    case 1:
        return {1, 4, 7};
    case 2:
        return {2, 5, 8};
    case 3:
        return {3, 6, 9};
    default:
        return {};
    }
}

void WirelessSettings::settings(const s_ExtMemDataWireless &block)
{
    logTrace(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
    if (protocol())
        protocol()->readWirelessStatus();
}

void WirelessSettings::onWirelessStatusUpdated(const s_WirelessStatus &status)
{
    logTrace(this, QStringLiteral("Status updated"));
    m_status = status;
    emit statusUpdated();
}

void WirelessSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device"));
    quint8 *block = bytes();
    block[BestModeByte] &= KeptBestModeBits;
    std::memset(block, 0, 32);
    std::memset(block + 38, 0, 16);
    std::memset(block + 56, 0, 20);
    SettingsFields::seal(block, CrcOffset);
    if (protocol())
        protocol()->sendToDevice(_MenuConfigWriteWireless, block, int(sizeof(m_data)));
}

void WirelessSettings::resetToDefaults()
{
    logDebug(this, QStringLiteral("Reset radio settings to default"));
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        resetOnDevice(ResetWireless);
}

quint8 WirelessSettings::channel()
{
    quint8 &byte = bytes()[ChannelByte];
    if ((byte & ChannelBits) >= radioChannelCount())
        byte &= AutoSwitchBit;
    return byte & ChannelBits;
}

void WirelessSettings::setChannel(quint8 channel)
{
    quint8 &byte = bytes()[ChannelByte];
    byte = quint8((byte & AutoSwitchBit) | (channel & ChannelBits));
    if ((channel & ChannelBits) >= radioChannelCount())
        byte &= AutoSwitchBit;
}

bool WirelessSettings::autoSwitch() const
{
    return bytes()[ChannelByte] & AutoSwitchBit;
}

void WirelessSettings::setAutoSwitch(bool on)
{
    RecordBytes::setBit(bytes()[ChannelByte], 7, on);
}

quint8 WirelessSettings::channelGroup() const
{
    return bytes()[GroupByte];
}

void WirelessSettings::setChannelGroup(quint8 group)
{
    bytes()[GroupByte] = group;
}

quint16 WirelessSettings::configEnableTime() const
{
    return RecordBytes::word(bytes(), ConfigTimeOffset);
}

void WirelessSettings::setConfigEnableTime(quint16 seconds)
{
    RecordBytes::putWord(bytes(), ConfigTimeOffset, seconds);
}

quint16 WirelessSettings::connectionInterval() const
{
    return RecordBytes::word(bytes(), IntervalOffset);
}

void WirelessSettings::setConnectionInterval(quint16 seconds)
{
    RecordBytes::putWord(bytes(), IntervalOffset, seconds);
}

int WirelessSettings::useBestChannel() const
{
    return bytes()[BestModeByte] & 1;
}

void WirelessSettings::setUseBestChannel(bool on)
{
    RecordBytes::setBit(bytes()[BestModeByte], 0, on);
}

quint8 WirelessSettings::bestChannel() const
{
    return bytes()[BestChannelByte];
}

void WirelessSettings::setBestChannel(quint8 channel)
{
    bytes()[BestChannelByte] = channel;
}

quint8 WirelessSettings::currentChannel() const
{
    return reinterpret_cast<const quint8 *>(&m_status)[StatusChannelByte];
}

QJsonValue WirelessSettings::toJson() const
{
    const quint8 *block = bytes();
    QJsonObject section;
    section.insert(QStringLiteral("CC430Channel"), block[ChannelByte] & ChannelBits);
    section.insert(QStringLiteral("ChannelsGroup"), block[GroupByte]);
    section.insert(QStringLiteral("ChannelAutoSwitch"), autoSwitch() ? 1 : 0);
    section.insert(QStringLiteral("bestChannel"), block[BestChannelByte]);
    section.insert(QStringLiteral("useBestChannel"), useBestChannel());
    section.insert(QStringLiteral("ConfigEnableTimeSec"), configEnableTime());
    section.insert(QStringLiteral("ConnectionIntervalSec"), connectionInterval());
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(RecordBytes::word(block, VersionOffset)));
    return section;
}

bool WirelessSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isObject()) {
        logWarning(
            this,
            tr("The section \"%1\" is not an object; nothing is read from it").arg(jsonKey()));
        return false;
    }
    if (formatVersion == 2)
        readVersion2(value.toObject());
    else if (formatVersion == 1)
        readVersion1(value.toObject());
    emit settingsUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    return true;
}

// A channel the device does not have would silently become channel 1; keep the current one.
bool WirelessSettings::readChannel(const QJsonValue &value, const QString &key)
{
    const qint64 channel = SectionValues::wholeNumber(value);
    if (channel < 0 || channel >= radioChannelCount()) {
        logWarning(this, tr("\"%1\": channel %2 does not exist; the current channel is kept")
                             .arg(key)
                             .arg(channel));
        return false;
    }
    setChannel(quint8(channel));
    return true;
}

// Values beyond 16 bits are clamped rather than wrapped, so 70000 s does not become 4464 s.
void WirelessSettings::readWord(const QJsonValue &value, const QString &key, int offset)
{
    const qint64 number = SectionValues::wholeNumber(value);
    const qint64 stored = SectionValues::clamped(number, 0, 0xFFFF);
    if (stored != number)
        logWarning(this, tr("\"%1\": %2 is out of range; %3 is stored instead")
                             .arg(key)
                             .arg(number)
                             .arg(stored));
    RecordBytes::putWord(bytes(), offset, quint16(stored));
}

void WirelessSettings::readVersion2(const QJsonObject &section)
{
    const QString channelKey = QStringLiteral("CC430Channel");
    readChannel(section.value(channelKey), channelKey);
    const qint64 group = SectionValues::wholeNumber(section.value(QStringLiteral("ChannelsGroup")));
    if (group < 0 || group >= GroupCount)
        logWarning(
            this,
            tr("\"ChannelsGroup\": group %1 does not exist; the current group is kept").arg(group));
    else
        setChannelGroup(quint8(group));
    setAutoSwitch(SectionValues::wholeNumber(section.value(QStringLiteral("ChannelAutoSwitch"))) &
                  1);
    const qint64 best = SectionValues::wholeNumber(section.value(QStringLiteral("bestChannel")));
    if (best < 0 || best > 0xFF)
        logWarning(this,
                   tr("\"bestChannel\": %1 is out of range; the current value is kept").arg(best));
    else
        setBestChannel(quint8(best));
    setUseBestChannel(SectionValues::wholeNumber(section.value(QStringLiteral("useBestChannel"))) &
                      1);
    readWord(section.value(QStringLiteral("ConfigEnableTimeSec")),
             QStringLiteral("ConfigEnableTimeSec"), ConfigTimeOffset);
    readWord(section.value(QStringLiteral("ConnectionIntervalSec")),
             QStringLiteral("ConnectionIntervalSec"), IntervalOffset);
}

void WirelessSettings::readVersion1(const QJsonObject &section)
{
    readWord(section.value(QStringLiteral("configTime")), QStringLiteral("configTime"),
             ConfigTimeOffset);
    const QString channelKey = QStringLiteral("wirelessChannel");
    readChannel(section.value(channelKey), channelKey);
    readWord(section.value(QStringLiteral("workInterval")), QStringLiteral("workInterval"),
             IntervalOffset);
    setUseBestChannel(SectionValues::wholeNumber(section.value(QStringLiteral("useBestChannel"))) &
                      1);
}
