#include "pages/settings/DebugSettings.h"

#include "app/Logger.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

using namespace SettingsFields;

DebugSettings::DebugSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    std::memset(bytes() + VersionOffset, 1, 4);
    logDebug(this, QStringLiteral("Created"));
    if (protocol)
        connect(protocol, &Protocol::debugSettings, this, &DebugSettings::settings,
                Qt::UniqueConnection);
}

void DebugSettings::settings(const s_ExtMemDataDebug &block)
{
    logDebug(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
}

void DebugSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Saving settings"));
    quint8 *block = bytes();
    block[0] &= 1;
    zero(block, 1, 11);
    seal(block);
    if (protocol())
        protocol()->writeDebugData(m_data);
    emit writeMacAddress(m_macAddress);
}

bool DebugSettings::testServer() const
{
    return bit(bytes(), 0, 0);
}
void DebugSettings::setTestServer(bool on)
{
    setBit(bytes(), 0, 0, on);
}

void DebugSettings::setMacAddress(const QString &mac)
{
    m_macAddress = mac;
    emit settingsUpdated();
}

QJsonValue DebugSettings::toJson() const
{
    return QJsonObject{{QStringLiteral("testServer"), int(testServer())}};
}

bool DebugSettings::fromJson(const QJsonValue &value, int /*formatVersion*/)
{
    if (!value.isObject()) {
        logWarning(this, QStringLiteral("Section \"Debug\" is not an object, nothing read"));
        return false;
    }
    setTestServer(integer(value.toObject().value(QStringLiteral("testServer"))) & 1);
    return true;
}

void DebugSettings::resetToDefault()
{
    logDebug(this, QStringLiteral("Reset debug settings to default"));
    resetOnDevice(ResetDebug);
}
