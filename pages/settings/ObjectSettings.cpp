#include "pages/settings/ObjectSettings.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

using namespace SettingsFields;

namespace {
constexpr int NameSize = 64;
constexpr int NameCrcOffset = 64;
constexpr int NumberOffset = 72;
constexpr int AlarmDelayOffset = 108;
constexpr int TakeDelayOffset = 110;
constexpr int AutoTakeOffset = 114;
constexpr int FlagsByte = 132;
constexpr quint32 MaxNumber = 0xFFFFFFFFu;
} // namespace

ObjectSettings::ObjectSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol)
{
    std::memset(&m_data, 0, sizeof(m_data));
    logDebug(this, QStringLiteral("Created"));
    std::memset(bytes() + VersionOffset, 1, 4);
    if (protocol)
        connect(protocol, &Protocol::objectData, this, &ObjectSettings::objectDataReceived,
                Qt::UniqueConnection);
}

void ObjectSettings::objectDataReceived(const s_ExtMemDataObject &block)
{
    if (block.criticalVersion != 1) {
        logWarning(this, QStringLiteral("Wrong object settings received"));
        return;
    }
    logDebug(this, QStringLiteral("Settings updated"));
    m_data = block;
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->hasEnergySavingSensors() &&
        takeDelay() < overmind->minimumTakeDelay()) {
        const quint16 minimum = overmind->minimumTakeDelay();
        setTakeDelay(minimum);
        writeToDevice();
        MessageBoxU::information(
            tr("Since one of the sensors has power-saving mode enabled, the minimum arm delay "
               "should be equal to the sensor polling period. The value has been increased to "
               "%1 seconds.")
                .arg(minimum),
            tr("Object"));
        overmind->setMinimumTakeDelay();
        logDebug(this, QStringLiteral("Take delay increased to work mode"));
    }
    emit settingsUpdated();
}

void ObjectSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Sending settings to device"));
    quint8 *block = bytes();
    zero(block, 144, 147);
    zero(block, 68, 71);
    seal(block);
    if (protocol())
        protocol()->sendToDevice(_MenuConfigWriteObject, block, int(sizeof(m_data)));
}

QString ObjectSettings::name() const
{
    return text(bytes(), NameSize);
}

int ObjectSettings::setName(const QString &name)
{
    const int left = Overmind::utf8BytesLeft(name);
    if (left == 0)
        return 0;
    const QByteArray utf8 = name.toUtf8();
    quint8 *block = bytes();
    zero(block, 0, NameSize - 1);
    std::memcpy(block, utf8.constData(), size_t(utf8.size()));
    putDword(block, NameCrcOffset, crc32Stm(block, NameSize));
    return left + 1;
}

quint32 ObjectSettings::number() const
{
    return dword(bytes(), NumberOffset);
}

void ObjectSettings::setNumber(quint32 number)
{
    putDword(bytes(), NumberOffset, number);
}

quint16 ObjectSettings::takeDelay() const
{
    return word(bytes(), TakeDelayOffset);
}

void ObjectSettings::setTakeDelay(quint16 seconds)
{
    putWord(bytes(), TakeDelayOffset, seconds);
    emit updateTakeDelay(seconds);
}

quint16 ObjectSettings::alarmDelay() const
{
    return word(bytes(), AlarmDelayOffset);
}

void ObjectSettings::setAlarmDelay(quint16 seconds)
{
    putWord(bytes(), AlarmDelayOffset, seconds);
}

quint16 ObjectSettings::autoTakeDelay() const
{
    return word(bytes(), AutoTakeOffset);
}

void ObjectSettings::setAutoTakeDelay(quint16 seconds)
{
    putWord(bytes(), AutoTakeOffset, seconds);
}

bool ObjectSettings::flag(int bitNumber) const
{
    return bit(bytes(), FlagsByte, bitNumber);
}

void ObjectSettings::setFlag(int bitNumber, bool on)
{
    setBit(bytes(), FlagsByte, bitNumber, on);
}

bool ObjectSettings::alarmOnLostSensor() const
{
    return flag(0);
}
void ObjectSettings::setAlarmOnLostSensor(bool on)
{
    setFlag(0, on);
}
bool ObjectSettings::takeWithLostSensors() const
{
    return flag(1);
}
void ObjectSettings::setTakeWithLostSensors(bool on)
{
    setFlag(1, on);
}
bool ObjectSettings::takeWithAlarmSensors() const
{
    return flag(2);
}
void ObjectSettings::setTakeWithAlarmSensors(bool on)
{
    setFlag(2, on);
}
bool ObjectSettings::takeWithFailedSensors() const
{
    return flag(3);
}
void ObjectSettings::setTakeWithFailedSensors(bool on)
{
    setFlag(3, on);
}
bool ObjectSettings::forceTakeWithAlarmSensors() const
{
    return flag(4);
}
void ObjectSettings::setForceTakeWithAlarmSensors(bool on)
{
    setFlag(4, on);
}

void ObjectSettings::setMinimumTakeDelay(int seconds)
{
    emit updateMinimumTakeDelay(seconds);
}

QJsonValue ObjectSettings::toJson() const
{
    QJsonObject section;
    section.insert(QStringLiteral("TimeForEnterSec"), alarmDelay());
    section.insert(QStringLiteral("TimeForAutoTake"), autoTakeDelay());
    section.insert(QStringLiteral("TimeForExitSec"), takeDelay());
    section.insert(QStringLiteral("name"), name());
    section.insert(QStringLiteral("num"), double(number()));
    section.insert(QStringLiteral("AlarmIfTakedSensorLostEn"), int(alarmOnLostSensor()));
    section.insert(QStringLiteral("TakeIfSensorInAlarmEn"), int(takeWithAlarmSensors()));
    section.insert(QStringLiteral("TakeIfSensorLostEn"), int(takeWithLostSensors()));
    section.insert(QStringLiteral("ForceTakeIfSensorInAlarmEn"), int(forceTakeWithAlarmSensors()));
    section.insert(QStringLiteral("TakeIfSensorInFailEn"), int(takeWithFailedSensors()));
    section.insert(QStringLiteral("settingsVersion"),
                   settingsVersionToJson(word(bytes(), VersionOffset)));
    return section;
}

bool ObjectSettings::fromJson(const QJsonValue &value, int formatVersion)
{
    if (!value.isObject()) {
        logWarning(this, QStringLiteral("Section \"Object\" is not an object, nothing read"));
        return false;
    }
    const QJsonObject section = value.toObject();
    // A name from a file that does not fit is cut at a character, not dropped.
    auto readName = [this, &section](const QString &key) {
        const QByteArray fitted = fittedText(this, section.value(key).toString(), NameSize - 1,
                                             QStringLiteral("Object name"));
        setName(QString::fromUtf8(fitted));
    };
    if (formatVersion == 2) {
        setAlarmDelay(fittedWord(this, section, QStringLiteral("TimeForEnterSec")));
        setAutoTakeDelay(fittedWord(this, section, QStringLiteral("TimeForAutoTake")));
        setTakeDelay(fittedWord(this, section, QStringLiteral("TimeForExitSec")));
        readName(QStringLiteral("name"));
        setNumber(quint32(fitted(this, section, QStringLiteral("num"), 0, MaxNumber)));
        auto flagOf = [&section](const char *key) {
            return (integer(section.value(QLatin1String(key))) & 1) != 0;
        };
        setAlarmOnLostSensor(flagOf("AlarmIfTakedSensorLostEn"));
        setTakeWithLostSensors(flagOf("TakeIfSensorLostEn"));
        setTakeWithAlarmSensors(flagOf("TakeIfSensorInAlarmEn"));
        setTakeWithFailedSensors(flagOf("TakeIfSensorInFailEn"));
        setForceTakeWithAlarmSensors(flagOf("ForceTakeIfSensorInAlarmEn"));
    } else if (formatVersion == 1) {
        setAlarmDelay(fittedWord(this, section, QStringLiteral("alarmDelay")));
        setAutoTakeDelay(fittedWord(this, section, QStringLiteral("autoTakeDelay")));
        setTakeDelay(fittedWord(this, section, QStringLiteral("takeDelay")));
        setNumber(quint32(fitted(this, section, QStringLiteral("number"), 0, MaxNumber)));
        readName(QStringLiteral("settingsName"));
        auto flagOf = [&section](const char *key) {
            return section.value(QLatin1String(key)).toBool(false);
        };
        setAlarmOnLostSensor(flagOf("alarmOnLostSensor"));
        setTakeWithAlarmSensors(flagOf("takeWithAlarmSensors"));
        setTakeWithLostSensors(flagOf("takeWithLostSensors"));
        setForceTakeWithAlarmSensors(flagOf("forceTakeWithAlarmSensors"));
        setTakeWithFailedSensors(flagOf("takeIfSensorInFailEn"));
    }
    emit settingsUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    return true;
}

void ObjectSettings::resetToDefaults()
{
    logDebug(this, QStringLiteral("Reset object settings to default"));
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        resetOnDevice(ResetObject);
}
