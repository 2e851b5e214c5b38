#include "pages/settings/IButtonConfig.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

using namespace SettingsFields;

IButtonConfig::IButtonConfig(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    logDebug(this, QStringLiteral("Created"));
    std::memset(bytes() + VersionOffset, 1, 4);
    if (protocol)
        connect(protocol, &Protocol::ibuttonConfigData, this, &IButtonConfig::settings,
                Qt::UniqueConnection);
}

void IButtonConfig::settings(const s_ExtMemDataIButtonConfig &block)
{
    logDebug(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
}

void IButtonConfig::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device"));
    quint8 *block = bytes();
    block[5] &= 1;
    zero(block, 8, 11);
    seal(block);
    if (protocol())
        protocol()->sendToDevice(_MenuConfigWriteIButtonIndication, 0, block, int(sizeof(m_data)));
}

quint8 IButtonConfig::ledMode() const
{
    return bytes()[4];
}
void IButtonConfig::setLedMode(quint8 mode)
{
    bytes()[4] = mode;
}
bool IButtonConfig::ledInversion() const
{
    return bit(bytes(), 5, 0);
}
void IButtonConfig::setLedInversion(bool on)
{
    setBit(bytes(), 5, 0, on);
}
quint32 IButtonConfig::indicationPartitions() const
{
    return dword(bytes(), 0) >> 1;
}
void IButtonConfig::setIndicationPartitions(quint32 mask)
{
    // Bit 0 is not a partition: it stays as stored.
    putDword(bytes(), 0, (mask << 1) | (dword(bytes(), 0) & 1u));
}

QJsonValue IButtonConfig::toJson() const
{
    QJsonObject section;
    section.insert(QStringLiteral("IndicationPartitions"), double(dword(bytes(), 0)));
    section.insert(QStringLiteral("iButtonLedMode"), ledMode());
    section.insert(QStringLiteral("iButtLedInversion"), int(ledInversion()));
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(word(bytes(), VersionOffset)));
    return section;
}

bool IButtonConfig::fromJson(const QJsonValue &value, int /*formatVersion*/)
{
    if (!value.isObject()) {
        logWarning(this,
                   QStringLiteral("Section \"iButtonConfig\" is not an object, nothing read"));
        return false;
    }
    const QJsonObject section = value.toObject();
    // Range-checked before any conversion: a huge or negative number is no mask.
    putDword(
        bytes(), 0,
        quint32(fitted(this, section, QStringLiteral("IndicationPartitions"), 0, 0xFFFFFFFFLL)));
    setLedMode(quint8(fitted(this, section, QStringLiteral("iButtonLedMode"), 0, 255)));
    setLedInversion(integer(section.value(QStringLiteral("iButtLedInversion"))) & 1);
    emit settingsUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    return true;
}

void IButtonConfig::resetToDefault()
{
    logDebug(this, QStringLiteral("Reset ibutton config settings to default"));
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        resetOnDevice(ResetIButtonIndication);
}
