#include "pages/comms/GSMSettings.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/comms/RecordBytes.h"
#include "pages/comms/SectionValues.h"
#include "pages/settings/SettingsFields.h"

#include <QJsonArray>

#include <cstring>
#include <limits>

namespace {
constexpr int SimOffsets[2] = {8, 242};
constexpr int ThresholdOffset = 478;
constexpr int SwitchByte = 480;
constexpr int VersionOffset = 1018;
constexpr int CrcOffset = 1020;

enum SwitchBit
{
    GsmBit = 0,
    ReserveSimBit = 1,
    UssdBit = 2,
    Reserved3Bit = 3,
    TransmitBit = 4,
    GprsBit = 5,
    Reserved6Bit = 6,
};

struct FieldPlace
{
    int offset;
    int width;
    int limit; // bytes of text plus its terminating zero
};

FieldPlace placeOf(GSMSettings::SimField field)
{
    switch (field) {
    case GSMSettings::Apn:
        return {0, 64, 51};
    case GSMSettings::Username:
        return {64, 64, 51};
    case GSMSettings::Password:
        return {128, 64, 51};
    case GSMSettings::UssdRequest:
        return {192, 32, 32};
    case GSMSettings::Pin:
        break;
    }
    return {224, 10, 10};
}

int simIndex(int sim)
{
    return sim == 0 ? 0 : 1;
}
} // namespace

GSMSettings::GSMSettings(Protocol *protocol, QObject *parent) : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    m_data.compatibleVersion = 1;
    m_data.criticalVersion = 1;
    logDebug(this, QStringLiteral("Created"));
    if (protocol) {
        connect(protocol, &Protocol::gsmData, this, &GSMSettings::settings);
        connect(protocol, &Protocol::simControlStatus, this, &GSMSettings::simPinStatusUpdated);
    }
}

GSMSettings::~GSMSettings() = default;

void GSMSettings::settings(const s_ExtMemDataGSM &block)
{
    logDebug(this, QStringLiteral("Settings updated"));
    m_data = block;
    emit settingsUpdated();
}

void GSMSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device"));
    quint8 *block = bytes();
    setSwitchBit(Reserved3Bit, false);
    setSwitchBit(Reserved6Bit, false);
    std::memset(block, 0, 8);
    std::memset(block + 476, 0, 2);
    block[481] = 0;
    std::memset(block + 512, 0, 4);
    SettingsFields::seal(block, CrcOffset);
    if (protocol())
        protocol()->sendToDevice(_MenuConfigWriteGSM, block, int(sizeof(m_data)));
}

void GSMSettings::resetToDefaults()
{
    logDebug(this, QStringLiteral("Reset GSM settings to default"));
    resetOnDevice(ResetGSM);
}

bool GSMSettings::switchBit(int bitNumber) const
{
    return RecordBytes::bit(bytes()[SwitchByte], bitNumber);
}

void GSMSettings::setSwitchBit(int bitNumber, bool on)
{
    RecordBytes::setBit(bytes()[SwitchByte], bitNumber, on);
}

bool GSMSettings::gsmEnabled() const
{
    return switchBit(GsmBit);
}
void GSMSettings::setGsmEnabled(bool on)
{
    setSwitchBit(GsmBit, on);
}
bool GSMSettings::reserveSim() const
{
    return switchBit(ReserveSimBit);
}
void GSMSettings::setReserveSim(bool on)
{
    setSwitchBit(ReserveSimBit, on);
}
bool GSMSettings::ussdEnabled() const
{
    return switchBit(UssdBit);
}
void GSMSettings::setUssdEnabled(bool on)
{
    setSwitchBit(UssdBit, on);
}
bool GSMSettings::transmitEnabled() const
{
    return switchBit(TransmitBit);
}
void GSMSettings::setTransmitEnabled(bool on)
{
    setSwitchBit(TransmitBit, on);
}
bool GSMSettings::gprsEnabled() const
{
    return switchBit(GprsBit);
}
void GSMSettings::setGprsEnabled(bool on)
{
    setSwitchBit(GprsBit, on);
}

qint16 GSMSettings::balanceThreshold() const
{
    return qint16(RecordBytes::word(bytes(), ThresholdOffset));
}

void GSMSettings::setBalanceThreshold(qint16 value)
{
    RecordBytes::putWord(bytes(), ThresholdOffset, quint16(value));
}

int GSMSettings::maxBytes(SimField field)
{
    return placeOf(field).limit - 1;
}

bool GSMSettings::fits(SimField field, const QString &text)
{
    return text.toUtf8().size() <= maxBytes(field);
}

QString GSMSettings::simText(int sim, SimField field) const
{
    const FieldPlace place = placeOf(field);
    return RecordBytes::fieldText(bytes() + SimOffsets[simIndex(sim)] + place.offset, place.width);
}

bool GSMSettings::setSimText(int sim, SimField field, const QString &text)
{
    if (!fits(field, text))
        return false;
    const FieldPlace place = placeOf(field);
    const QByteArray utf8 = text.toUtf8();
    quint8 *target = bytes() + SimOffsets[simIndex(sim)] + place.offset;
    std::memcpy(target, utf8.constData(), size_t(utf8.size()));
    target[utf8.size()] = 0;
    return true;
}

QJsonValue GSMSettings::toJson() const
{
    QJsonArray sims;
    for (int sim = 0; sim < 2; ++sim)
        sims.append(QJsonObject{{QStringLiteral("PIN"), simText(sim, Pin)},
                                {QStringLiteral("APN"), simText(sim, Apn)},
                                {QStringLiteral("Username"), simText(sim, Username)},
                                {QStringLiteral("Password"), simText(sim, Password)},
                                {QStringLiteral("USSDRequest"), simText(sim, UssdRequest)}});
    QJsonObject section;
    section.insert(QStringLiteral("enableGsmModule"), int(gsmEnabled()));
    section.insert(QStringLiteral("sim"), sims);
    section.insert(QStringLiteral("GprsEnabled"), int(gprsEnabled()));
    section.insert(QStringLiteral("reserveSIM"), int(reserveSim()));
    section.insert(QStringLiteral("UssdEnable"), int(ussdEnabled()));
    section.insert(QStringLiteral("EnableTransmitEvents"), int(transmitEnabled()));
    section.insert(QStringLiteral("BalanceBelow"), balanceThreshold());
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(RecordBytes::word(bytes(), VersionOffset)));
    return section;
}

void GSMSettings::readSimText(int sim, SimField field, const QJsonObject &entry, const QString &key)
{
    const QString text = entry.value(key).toString();
    if (!setSimText(sim, field, text))
        logWarning(this, tr("SIM %1 \"%2\": the text is longer than %3 bytes and is not read")
                             .arg(sim + 1)
                             .arg(key)
                             .arg(maxBytes(field)));
}

void GSMSettings::readSims(const QJsonValue &sims, const char *ussdKey)
{
    const QJsonArray entries = sims.toArray();
    if (entries.size() < 2)
        return;
    for (int sim = 0; sim < 2; ++sim) {
        const QJsonObject entry = entries.at(sim).toObject();
        readSimText(sim, Pin, entry, QStringLiteral("PIN"));
        readSimText(sim, Apn, entry, QStringLiteral("APN"));
        readSimText(sim, Username, entry, QStringLiteral("Username"));
        readSimText(sim, Password, entry, QStringLiteral("Password"));
        readSimText(sim, UssdRequest, entry, QLatin1String(ussdKey));
    }
}

bool GSMSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isObject()) {
        logWarning(
            this,
            tr("The section \"%1\" is not an object; nothing is read from it").arg(jsonKey()));
        return false;
    }
    const QJsonObject section = value.toObject();
    const auto number = [&section](const char *key) {
        return SectionValues::wholeNumber(section.value(QLatin1String(key))) != 0;
    };
    const auto boolean = [&section](const char *key) {
        return section.value(QLatin1String(key)).toBool();
    };
    if (formatVersion == 2) {
        if (section.contains(QStringLiteral("enableGsmModule")))
            setGsmEnabled(number("enableGsmModule"));
        if (section.contains(QStringLiteral("sim")))
            readSims(section.value(QStringLiteral("sim")), "USSDRequest");
        setGprsEnabled(number("GprsEnabled"));
        setReserveSim(number("reserveSIM"));
        setUssdEnabled(number("UssdEnable"));
        setTransmitEnabled(number("EnableTransmitEvents"));
    } else if (formatVersion == 1) {
        if (section.contains(QStringLiteral("Enable")))
            setGsmEnabled(boolean("Enable"));
        if (section.contains(QStringLiteral("SIM")))
            readSims(section.value(QStringLiteral("SIM")), "UssdBalanceRequest");
        setGprsEnabled(boolean("GPRS"));
        setReserveSim(boolean("UseReserveSim"));
        setUssdEnabled(boolean("RedirectUssd"));
        setTransmitEnabled(boolean("EnableTransmit"));
    }
    if (formatVersion == 1 || formatVersion == 2) {
        // Clamped, not wrapped: 70000 must not turn into a threshold of 4464.
        const qint64 threshold =
            SectionValues::wholeNumber(section.value(QStringLiteral("BalanceBelow")));
        const qint64 stored = SectionValues::clamped(threshold, std::numeric_limits<qint16>::min(),
                                                     std::numeric_limits<qint16>::max());
        if (stored != threshold)
            logWarning(this, tr("\"BalanceBelow\": %1 is out of range; %2 is stored instead")
                                 .arg(threshold)
                                 .arg(stored));
        setBalanceThreshold(qint16(stored));
    }
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    emit settingsUpdated();
    return true;
}
