#include "pages/settings/BeeperSettings.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

using namespace SettingsFields;

namespace {
constexpr int EventVolume = 20;
constexpr int AlarmVolume = 22;
constexpr int AlarmTime = 24;
constexpr int SwitchByte = 34;
} // namespace

BeeperSettings::BeeperSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    logDebug(this, QStringLiteral("Created"));
    std::memset(bytes() + VersionOffset, 1, 4);
    if (protocol)
        connect(protocol, &Protocol::beeperData, this, &BeeperSettings::settings,
                Qt::UniqueConnection);
}

void BeeperSettings::settings(const s_ExtMemDataBeeper &block)
{
    logDebug(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
}

void BeeperSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device"));
    quint8 *block = bytes();
    zero(block, 4, 19);
    zero(block, 26, 33);
    zero(block, 36, 37);
    zero(block, 40, 43);
    seal(block);
    if (protocol())
        protocol()->sendToDevice(_MenuConfigWriteBeeper, 0, block, int(sizeof(m_data)));
}

quint32 BeeperSettings::enabledEvents() const
{
    return dword(bytes(), 0);
}
void BeeperSettings::setEnabledEvents(quint32 mask)
{
    putDword(bytes(), 0, mask);
}
quint16 BeeperSettings::beepEventVolume() const
{
    return word(bytes(), EventVolume);
}
void BeeperSettings::setBeepEventVolume(quint16 volume)
{
    putWord(bytes(), EventVolume, volume);
}
quint16 BeeperSettings::beepAlarmVolume() const
{
    return word(bytes(), AlarmVolume);
}
void BeeperSettings::setBeepAlarmVolume(quint16 volume)
{
    putWord(bytes(), AlarmVolume, volume);
}
quint16 BeeperSettings::alarmEventTimeSec() const
{
    return word(bytes(), AlarmTime);
}
void BeeperSettings::setAlarmEventTimeSec(quint16 seconds)
{
    putWord(bytes(), AlarmTime, seconds);
}
bool BeeperSettings::enableIntBeeper() const
{
    return bit(bytes(), SwitchByte, 0);
}
void BeeperSettings::setEnableIntBeeper(bool on)
{
    setBit(bytes(), SwitchByte, 0, on);
}

QJsonValue BeeperSettings::toJson() const
{
    QJsonObject section;
    section.insert(QStringLiteral("BeepEventVolume"), beepEventVolume());
    section.insert(QStringLiteral("BeepAlarmVolume"), beepAlarmVolume());
    section.insert(QStringLiteral("EnabledEvents"), qint32(enabledEvents()));
    section.insert(QStringLiteral("AlarmEventTimeSec"), alarmEventTimeSec());
    section.insert(QStringLiteral("EnableIntBeeper"), int(enableIntBeeper()));
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(word(bytes(), VersionOffset)));
    return section;
}

bool BeeperSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isObject()) {
        logWarning(this, QStringLiteral("Section \"Beeper\" is not an object, nothing read"));
        return false;
    }
    const QJsonObject section = value.toObject();
    if (formatVersion == 1 || formatVersion == 2) {
        setBeepEventVolume(fittedWord(this, section, QStringLiteral("BeepEventVolume")));
        setBeepAlarmVolume(fittedWord(this, section, QStringLiteral("BeepAlarmVolume")));
        setAlarmEventTimeSec(fittedWord(this, section, QStringLiteral("AlarmEventTimeSec")));
        // Written as a signed 32-bit number: all 32 bits come back.
        setEnabledEvents(quint32(
            fitted(this, section, QStringLiteral("EnabledEvents"), -2147483648LL, 4294967295LL)));
        const QJsonValue beeper = section.value(QStringLiteral("EnableIntBeeper"));
        setEnableIntBeeper(formatVersion == 2 ? (integer(beeper) & 1) != 0 : beeper.toBool(false));
    }
    emit settingsUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    return true;
}

void BeeperSettings::resetToDefault()
{
    logDebug(this, QStringLiteral("Reset beeper settings to default"));
    resetOnDevice(ResetBeeper);
}
