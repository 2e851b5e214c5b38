#include "pages/settings/DeviceSettings.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

using namespace SettingsFields;

namespace {
constexpr int TzOffset = 32;
constexpr int SourceByte = 76;
constexpr int Flags1 = 77;
constexpr int Flags2 = 78;

bool viewing()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

struct FlagKey
{
    const char *key;
    int byte;
    int bit;
};

// The options of the "Device" section in the order they are written.
const FlagKey OptionKeys[] = {
    {"AllowConfigurationWithCloseCase", Flags1, 1},
    {"LowPowerMode", Flags1, 0},
    {"EnDuplicateTakeEvt", Flags1, 4},
    {"EnDuplicateTakeEvtForOutDev", Flags1, 5},
    {"EnDuplicateAlarmFromSamePartEvt", Flags1, 7},
    {"EnDuplicateAlarmFromSameSensEvt", Flags1, 6},
    {"EnDuplicateFireFromSamePartEvt", Flags2, 1},
    {"EnDuplicateFireFromSameSensEvt", Flags2, 0},
    {"EnAsyncOutputsMode", Flags2, 2},
};
} // namespace

DeviceSettings::DeviceSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    std::memset(bytes() + VersionOffset, 1, 4);
    logDebug(this, QStringLiteral("Created"));
    if (protocol)
        connect(protocol, &Protocol::deviceData, this, &DeviceSettings::settings,
                Qt::UniqueConnection);
}

void DeviceSettings::settings(const s_ExtMemDataDevice &block)
{
    logDebug(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
}

void DeviceSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Saving settings"));
    quint8 *block = bytes();
    zero(block, 36, 75);
    zero(block, 79, 99);
    seal(block);
    if (protocol())
        protocol()->writeDeviceData(m_data);
}

QString DeviceSettings::ntpServer() const
{
    return text(bytes(), NtpServerSize);
}

void DeviceSettings::setNtpServer(const QString &server)
{
    const QByteArray fitted = fittedText(this, server, NtpServerSize, QStringLiteral("NTP server"));
    zero(bytes(), 0, NtpServerSize - 1);
    std::memcpy(bytes(), fitted.constData(), size_t(fitted.size()));
    // A file read while only viewing it never reaches a device.
    if (sender() && !viewing())
        writeToDevice();
}

int DeviceSettings::tzOffset() const
{
    return qFromLittleEndian<qint32>(bytes() + TzOffset);
}

void DeviceSettings::setTzOffset(int seconds)
{
    qToLittleEndian<qint32>(seconds, bytes() + TzOffset);
}

quint8 DeviceSettings::timeSource() const
{
    return bytes()[SourceByte];
}
bool DeviceSettings::useGsmTime() const
{
    return timeSource() == 0;
}
bool DeviceSettings::useNtpTime() const
{
    return timeSource() == 1;
}
bool DeviceSettings::useManualTime() const
{
    return timeSource() == 2;
}

void DeviceSettings::setUseGsmTime(bool on)
{
    if (on)
        bytes()[SourceByte] = 0;
}

void DeviceSettings::setUseNtpTime(bool on)
{
    if (on)
        bytes()[SourceByte] = 1;
}

void DeviceSettings::setUseManualTime(bool on)
{
    if (on)
        bytes()[SourceByte] = 2;
}

bool DeviceSettings::useNetworkTz() const
{
    return bit(bytes(), Flags1, 2);
}
void DeviceSettings::setUseNetworkTz(bool on)
{
    setBit(bytes(), Flags1, 2, on);
}
bool DeviceSettings::useNetworkDaylight() const
{
    return bit(bytes(), Flags1, 3);
}
void DeviceSettings::setUseNetworkDaylight(bool on)
{
    setBit(bytes(), Flags1, 3, on);
}
bool DeviceSettings::lowPowerMode() const
{
    return bit(bytes(), Flags1, 0);
}
void DeviceSettings::setLowPowerMode(bool on)
{
    setBit(bytes(), Flags1, 0, on);
}
bool DeviceSettings::allowConfigWithClosedCase() const
{
    return bit(bytes(), Flags1, 1);
}
void DeviceSettings::setAllowConfigWithClosedCase(bool on)
{
    setBit(bytes(), Flags1, 1, on);
}
bool DeviceSettings::duplicateTakeEvt() const
{
    return bit(bytes(), Flags1, 4);
}
void DeviceSettings::setDuplicateTakeEvt(bool on)
{
    setBit(bytes(), Flags1, 4, on);
}
bool DeviceSettings::duplicateTakeEvtForOutDev() const
{
    return bit(bytes(), Flags1, 5);
}
void DeviceSettings::setDuplicateTakeEvtForOutDev(bool on)
{
    setBit(bytes(), Flags1, 5, on);
}
bool DeviceSettings::duplicateAlarmFromSameSensEvt() const
{
    return bit(bytes(), Flags1, 6);
}
void DeviceSettings::setDuplicateAlarmFromSameSensEvt(bool on)
{
    setBit(bytes(), Flags1, 6, on);
}
bool DeviceSettings::duplicateAlarmFromSamePartEvt() const
{
    return bit(bytes(), Flags1, 7);
}
void DeviceSettings::setDuplicateAlarmFromSamePartEvt(bool on)
{
    setBit(bytes(), Flags1, 7, on);
}
bool DeviceSettings::duplicateFireFromSameSensEvt() const
{
    return bit(bytes(), Flags2, 0);
}
void DeviceSettings::setDuplicateFireFromSameSensEvt(bool on)
{
    setBit(bytes(), Flags2, 0, on);
}
bool DeviceSettings::duplicateFireFromSamePartEvt() const
{
    return bit(bytes(), Flags2, 1);
}
void DeviceSettings::setDuplicateFireFromSamePartEvt(bool on)
{
    setBit(bytes(), Flags2, 1, on);
}
bool DeviceSettings::asyncOutputsMode() const
{
    return bit(bytes(), Flags2, 2);
}

QJsonValue DeviceSettings::toJson() const
{
    QJsonObject section;
    for (const FlagKey &flag : OptionKeys)
        section.insert(QLatin1String(flag.key), int(bit(bytes(), flag.byte, flag.bit)));
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(word(bytes(), VersionOffset)));
    return section;
}

bool DeviceSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isObject()) {
        logWarning(this, QStringLiteral("Section \"Device\" is not an object, nothing read"));
        return false;
    }
    const QJsonObject section = value.toObject();
    if (formatVersion == 2) {
        for (const FlagKey &flag : OptionKeys) {
            const qint64 number = integer(section.value(QLatin1String(flag.key)));
            const bool on = flag.byte == Flags1 && flag.bit == 1 ? number != 0 : (number & 1);
            setBit(bytes(), flag.byte, flag.bit, on);
        }
    } else if (formatVersion == 1) {
        for (const FlagKey &flag : OptionKeys) {
            if (flag.byte == Flags2 && flag.bit == 2)
                continue;
            setBit(bytes(), flag.byte, flag.bit,
                   section.value(QLatin1String(flag.key)).toBool(false));
        }
    }
    emit settingsUpdated();
    if (!viewing())
        store();
    return true;
}

void DeviceSettings::resetToDefault()
{
    logDebug(this, QStringLiteral("Reset device settings to default"));
    resetOnDevice(ResetDevice);
}
