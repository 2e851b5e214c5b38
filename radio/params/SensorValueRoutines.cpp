#include "radio/params/SensorValueRoutines.h"

#include "app/DeviceInfo.h"
#include "app/Overmind.h"
#include "radio/DeviceTypes.h"
#include "radio/Sensor.h"

#include <QCoreApplication>
#include <QDebug>
#include <cstring>

const QColor SensorValueRoutines::AlarmColour = QColor(249, 183, 189);
const QColor SensorValueRoutines::WarningColour = QColor(255, 234, 173);
const QColor SensorValueRoutines::BlueColour = QColor(200, 200, 250);
const QColor SensorValueRoutines::NoColour = QColor(Qt::transparent);

namespace {
constexpr int SettingsSize = int(sizeof(s_ExtMemDataSensor));
constexpr int StatusSize = int(sizeof(s_SensorIntData));

const quint8 *settingsBytes(const Sensor &device)
{
    return reinterpret_cast<const quint8 *>(device.settingsData());
}

quint8 *settingsBytes(Sensor &device)
{
    return reinterpret_cast<quint8 *>(device.settingsData());
}

const quint8 *statusBytes(const Sensor &device)
{
    return reinterpret_cast<const quint8 *>(device.statusData());
}
} // namespace

quint8 SensorValueRoutines::settingsByte(const Sensor &device, int offset)
{
    return offset >= 0 && offset < SettingsSize ? settingsBytes(device)[offset] : 0;
}

quint16 SensorValueRoutines::settingsWord(const Sensor &device, int offset)
{
    return quint16(settingsByte(device, offset) | (settingsByte(device, offset + 1) << 8));
}

void SensorValueRoutines::setSettingsByte(Sensor &device, int offset, quint8 value)
{
    if (offset >= 0 && offset < SettingsSize)
        settingsBytes(device)[offset] = value;
}

void SensorValueRoutines::setSettingsWord(Sensor &device, int offset, quint16 value)
{
    setSettingsByte(device, offset, quint8(value & 0xFF));
    setSettingsByte(device, offset + 1, quint8(value >> 8));
}

quint8 SensorValueRoutines::statusByte(const Sensor &device, int offset)
{
    return offset >= 0 && offset < StatusSize ? statusBytes(device)[offset] : 0;
}

quint16 SensorValueRoutines::statusWord(const Sensor &device, int offset)
{
    return quint16(statusByte(device, offset) | (statusByte(device, offset + 1) << 8));
}

quint32 SensorValueRoutines::statusFlags(const Sensor &device)
{
    return device.statusData()->flags;
}

int SensorValueRoutines::lastPosition(const QVector<int> &list, int value)
{
    const int position = list.lastIndexOf(value);
    return position < 0 ? 0 : position;
}

QVector<int> SensorValueRoutines::positions(int count)
{
    QVector<int> list;
    for (int i = 0; i < count; ++i)
        list << i;
    return list;
}

QString SensorValueRoutines::outputFaultText(const Sensor &device, int output)
{
    switch (statusWord(device, 4 + 16 * output)) {
    case 1:
        return Sensor::tr("No fault");
    case 2:
        return Sensor::tr("Fault overload");
    case 3:
        return Sensor::tr("Fault short circuit");
    case 4:
        return Sensor::tr("Fault low voltage");
    case 5:
        return Sensor::tr("Fault open circuit");
    default:
        return QString();
    }
}

QString SensorValueRoutines::outputModeText(const Sensor &device, int output)
{
    switch (settingsWord(device, 208 + 96 * output)) {
    case 0:
        return Sensor::tr("Disable");
    case 1:
        return Sensor::tr("Standard Events Handle");
    case 2:
        return Sensor::tr("Ext Control");
    case 3:
        return Sensor::tr("Temp Control");
    case 4:
        return Sensor::tr("Humidity Control");
    case 5:
        return Sensor::tr("CO Control");
    default:
        return QString();
    }
}

QString SensorValueRoutines::loopCodeText(quint16 code)
{
    switch (code) {
    case 1:
        return Sensor::tr("Short circuit");
    case 2:
        return Sensor::tr("Small resistance");
    case 3:
        return Sensor::tr("Normal", "smk");
    case 4:
        return Sensor::tr("High resistnace");
    case 5:
        return Sensor::tr("Break cable");
    default:
        return Sensor::tr("Unknown");
    }
}

QString SensorValueRoutines::magnetLoopStateText(const Sensor &device)
{
    if (settingsWord(device, 122) == 0)
        return Sensor::tr("Off");
    return loopCodeText(statusWord(device, 4));
}

QString SensorValueRoutines::relayInputStateText(const Sensor &device)
{
    if (settingsByte(device, 113) < 2)
        return Sensor::tr("Not active");
    return loopCodeText(statusWord(device, 36));
}

QString SensorValueRoutines::relayInputModeText(Sensor &device)
{
    const int mode = settingsByte(device, 113);
    const quint16 partition = settingsWord(device, 96);
    if (mode != 3 && partition != 0) {
        qDebug() << "Switch partition to 0";
        device.updateKcPartition();
    } else if (mode == 3 && partition == 0) {
        qDebug() << "Switch partition to 1";
        setSettingsWord(device, 98, ZoneSecurity);
        device.updateKcPartition();
    }
    switch (mode) {
    case 0:
        return Sensor::tr("Off", "RM_kc");
    case 1:
        return Sensor::tr("Button mode", "RM_kc");
    case 3:
        return Sensor::tr("Kc mode", "RM_kc");
    default:
        return Sensor::tr("Unknown", "RM_kc");
    }
}

QStringList SensorValueRoutines::relayPartitionCaptions(const Sensor &device)
{
    Overmind *overmind = Overmind::instance();
    QStringList captions;
    if (overmind) {
        for (int index : overmind->deviceInfo().partitionIndices())
            captions << QString::number(index);
    }
    if (captions.isEmpty())
        return captions;
    if (settingsByte(device, 113) == 3)
        captions.removeFirst();
    else
        captions.first() = Sensor::tr("Executive devices");
    return captions;
}

QStringList SensorValueRoutines::relayZoneTypeCaptions(const QVector<int> &codes)
{
    QStringList captions = {Sensor::tr("SecurityZoneType"), Sensor::tr("AlarmingZoneType"),
                            Sensor::tr("EnterZoneType"), Sensor::tr("FireZoneType"),
                            Sensor::tr("WaterLeakage")};
    for (int code : codes)
        captions << QString::number(code);
    return captions;
}

QColor SensorValueRoutines::noted(Sensor &device, const QColor &colour)
{
    device.noteColour(colour);
    return colour;
}

QColor SensorValueRoutines::channelStateColour(Sensor &device, int state)
{
    switch (state) {
    case 0:
        return noted(device, BlueColour);
    case 2:
        return noted(device, AlarmColour);
    case 3:
        return noted(device, WarningColour);
    default:
        return noted(device, NoColour);
    }
}

QColor SensorValueRoutines::caseColour(Sensor &device)
{
    const bool open = statusFlags(device) & SensorFlag::CaseOpen;
    const int type = device.type();
    if (isZoneTypeAllowed(type, ZoneSecurity))
        return noted(device, open ? AlarmColour : NoColour);
    if (type == 29 || type == 53 || type == 55)
        return noted(device, NoColour);
    return noted(device, open ? WarningColour : NoColour);
}

QColor SensorValueRoutines::relayMainPowerColour(Sensor &device)
{
    if (settingsByte(device, 112) == 1) {
        const bool warn = isVoltageLow(device) || isMainSupplyFault(device);
        return noted(device, warn ? WarningColour : NoColour);
    }
    const bool ok = device.reservePowerState() == Sensor::ReservePowerState::OK;
    return noted(device, ok ? NoColour : WarningColour);
}

int SensorValueRoutines::userPosition(const Sensor &device, const QVector<int> &userIds)
{
    return lastPosition(userIds, settingsByte(device, 127));
}

int SensorValueRoutines::noUserPosition(const QVector<int> &userIds)
{
    return lastPosition(userIds, 0);
}

bool SensorValueRoutines::isVoltageLow(const Sensor &device)
{
    return device.supplyVoltage() / 1000.0 < 2.1;
}

bool SensorValueRoutines::isMainSupplyFault(const Sensor &device)
{
    return statusFlags(device) & SensorFlag::MainFailed;
}

bool SensorValueRoutines::isLost(const Sensor &device)
{
    return statusFlags(device) & SensorFlag::Lost;
}
