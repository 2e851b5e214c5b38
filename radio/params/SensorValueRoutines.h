#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

class Sensor;

// Value, caption and colour routines that several groups of the parameter tree share,
// and byte access to the device's records by their wire offsets.
class SensorValueRoutines
{
public:
    static const QColor AlarmColour;
    static const QColor WarningColour;
    static const QColor BlueColour;
    static const QColor NoColour;

    // Reads past a record's end give 0; the offsets come from fixed tables.
    static quint8 settingsByte(const Sensor &device, int offset);
    static quint16 settingsWord(const Sensor &device, int offset);
    static void setSettingsByte(Sensor &device, int offset, quint8 value);
    static void setSettingsWord(Sensor &device, int offset, quint16 value);
    static quint8 statusByte(const Sensor &device, int offset);
    static quint16 statusWord(const Sensor &device, int offset);
    static quint32 statusFlags(const Sensor &device);

    // Position of the last entry equal to value, 0 when none is.
    static int lastPosition(const QVector<int> &list, int value);
    static QVector<int> positions(int count);

    static QString outputFaultText(const Sensor &device, int output);
    static QString outputModeText(const Sensor &device, int output);
    static QString magnetLoopStateText(const Sensor &device);
    static QString relayInputStateText(const Sensor &device);
    // Also puts the relay module into the partition its input mode needs.
    static QString relayInputModeText(Sensor &device);
    static QStringList relayPartitionCaptions(const Sensor &device);
    static QStringList relayZoneTypeCaptions(const QVector<int> &codes);

    static QColor channelStateColour(Sensor &device, int state);
    static QColor caseColour(Sensor &device);
    static QColor relayMainPowerColour(Sensor &device);
    // Passes the colour to the device's list flags and returns it.
    static QColor noted(Sensor &device, const QColor &colour);

    static int userPosition(const Sensor &device, const QVector<int> &userIds);
    static int noUserPosition(const QVector<int> &userIds);

    static bool isVoltageLow(const Sensor &device);
    static bool isMainSupplyFault(const Sensor &device);
    static bool isLost(const Sensor &device);

private:
    static QString loopCodeText(quint16 code);
};
