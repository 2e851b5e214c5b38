#include "pages/settings/LedsSettings.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

using namespace SettingsFields;

namespace {
constexpr int SwitchByte = 24;
constexpr int AlarmMode = 35;
constexpr int FireMode = 36;
constexpr int TechnologyMode = 37;
} // namespace

LedsSettings::LedsSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    logDebug(this, QStringLiteral("Created"));
    std::memset(bytes() + VersionOffset, 1, 4);
    if (protocol)
        connect(protocol, &Protocol::ledsData, this, &LedsSettings::settings, Qt::UniqueConnection);
}

void LedsSettings::settings(const s_ExtMemDataLeds &block)
{
    logDebug(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
}

void LedsSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device"));
    quint8 *block = bytes();
    zero(block, 0, 23);
    for (int at : {25, 27, 29, 31, 33})
        block[at] = 0;
    zero(block, 38, 46);
    zero(block, 48, 51);
    seal(block);
    if (protocol())
        protocol()->sendToDevice(_MenuConfigWriteLeds, block, int(sizeof(m_data)));
}

bool LedsSettings::ledsEnabled() const
{
    return bit(bytes(), SwitchByte, 0);
}
void LedsSettings::setLedsEnabled(bool on)
{
    setBit(bytes(), SwitchByte, 0, on);
}

quint8 LedsSettings::ledFunction(int led) const
{
    return led >= 1 && led <= 4 ? bytes()[SwitchByte + 2 * led] : 0;
}

void LedsSettings::setLedFunction(int led, quint8 code)
{
    if (led >= 1 && led <= 4)
        bytes()[SwitchByte + 2 * led] = code;
}

quint8 LedsSettings::globalAlarmSensorsLedMode() const
{
    return bytes()[AlarmMode];
}
void LedsSettings::setGlobalAlarmSensorsLedMode(quint8 mode)
{
    bytes()[AlarmMode] = mode;
}
quint8 LedsSettings::globalFireSensorsLedMode() const
{
    return bytes()[FireMode];
}
void LedsSettings::setGlobalFireSensorsLedMode(quint8 mode)
{
    bytes()[FireMode] = mode;
}
quint8 LedsSettings::globalTechnologySensorsLedMode() const
{
    return bytes()[TechnologyMode];
}
void LedsSettings::setGlobalTechnologySensorsLedMode(quint8 mode)
{
    bytes()[TechnologyMode] = mode;
}

QJsonValue LedsSettings::toJson() const
{
    QJsonObject section;
    for (int led = 1; led <= 4; ++led)
        section.insert(QStringLiteral("Led%1Function").arg(led), ledFunction(led));
    section.insert(QStringLiteral("LedsEnable"), int(ledsEnabled()));
    section.insert(QStringLiteral("GlobalAlarmSensorsLedEnDis"), globalAlarmSensorsLedMode());
    section.insert(QStringLiteral("GlobalFireSensorsLedEnDis"), globalFireSensorsLedMode());
    section.insert(QStringLiteral("GlobalTechnologySensorsLedEnDis"),
                   globalTechnologySensorsLedMode());
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(word(bytes(), VersionOffset)));
    return section;
}

bool LedsSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isObject()) {
        logWarning(this, QStringLiteral("Section \"Leds\" is not an object, nothing read"));
        return false;
    }
    const QJsonObject section = value.toObject();
    if (formatVersion == 1 || formatVersion == 2) {
        auto byteOf = [this, &section](const QString &key) {
            return quint8(fitted(this, section, key, 0, 255));
        };
        for (int led = 1; led <= 4; ++led)
            setLedFunction(led, byteOf(QStringLiteral("Led%1Function").arg(led)));
        setGlobalAlarmSensorsLedMode(byteOf(QStringLiteral("GlobalAlarmSensorsLedEnDis")));
        setGlobalFireSensorsLedMode(byteOf(QStringLiteral("GlobalFireSensorsLedEnDis")));
        setGlobalTechnologySensorsLedMode(
            byteOf(QStringLiteral("GlobalTechnologySensorsLedEnDis")));
        const QJsonValue enable = section.value(QStringLiteral("LedsEnable"));
        setLedsEnabled(formatVersion == 2 ? (integer(enable) & 1) != 0 : enable.toBool(false));
    }
    emit settingsUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    return true;
}

void LedsSettings::resetToDefaults()
{
    logDebug(this, QStringLiteral("Reset leds settings to default"));
    resetOnDevice(ResetLeds);
}
