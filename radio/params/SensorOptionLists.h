#pragma once

#include <QStringList>

// The fixed caption lists of the parameter tree's enumerations. Each is built anew and
// translated at every call, so a language switch shows at the next refresh.
class SensorOptionLists
{
public:
    static QStringList accumStates();
    static QStringList accumPowerStates();
    static QStringList reservePowerStates();
    static QStringList relayReservePowerStates();
    static QStringList relayMainPowerStates();
    static QStringList mainPowerStates();
    static QStringList powerSupplies();
    static QStringList indications();
    static QStringList fireStates();
    static QStringList buttonStates();
    static QStringList temperatureEventModes();
    static QStringList thermistorErrors();
    static QStringList fireClasses();
    static QStringList smokeChamberErrors();
    static QStringList flameDetectionTimes();
    static QStringList flameDetectionRanges();
    static QStringList infraredSensitivities();
    static QStringList infraredStates();
    static QStringList zoneSensitivities();
    static QStringList magnetStates();
    static QStringList magnetModes();
    static QStringList magnetModesWithoutExt();
    static QStringList maximumAccelerations();
    static QStringList maximumAngles();
    static QStringList brightnesses();
    static QStringList keypadSilentAlarmModes();
    static QStringList keyFobSilentAlarmModes();
};
