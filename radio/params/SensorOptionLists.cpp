#include "radio/params/SensorOptionLists.h"

#include <QCoreApplication>

QStringList SensorOptionLists::accumStates()
{
    return {QCoreApplication::translate("Sensor", "Not found"),
            QCoreApplication::translate("Sensor", "Low voltage"),
            QCoreApplication::translate("Sensor", "Charging"),
            QCoreApplication::translate("Sensor", "Norm voltage"),
            QCoreApplication::translate("Sensor", "Charging norm voltage"),
            QCoreApplication::translate("Sensor", "Fail")};
}

QStringList SensorOptionLists::accumPowerStates()
{
    return {QCoreApplication::translate("Sensor", "Power undefined"),
            QCoreApplication::translate("Sensor", "Power norm"),
            QCoreApplication::translate("Sensor", "Power low"),
            QCoreApplication::translate("Sensor", "Power high"),
            QCoreApplication::translate("Sensor", "Power error")};
}

QStringList SensorOptionLists::reservePowerStates()
{
    return {QCoreApplication::translate("Sensor", "Fail"),
            QCoreApplication::translate("Sensor", "Ok"),
            QCoreApplication::translate("Sensor", "Unsupported")};
}

QStringList SensorOptionLists::relayReservePowerStates()
{
    return {QCoreApplication::translate("Sensor", "Fail"),
            QCoreApplication::translate("Sensor", "Ok"),
            QCoreApplication::translate("Sensor", "Unsupported", "RM")};
}

QStringList SensorOptionLists::relayMainPowerStates()
{
    return {QCoreApplication::translate("Sensor", "Fail"),
            QCoreApplication::translate("Sensor", "Ok"),
            QCoreApplication::translate("Sensor", "Absense")};
}

QStringList SensorOptionLists::mainPowerStates()
{
    return {QCoreApplication::translate("Sensor", "Fail"),
            QCoreApplication::translate("Sensor", "Ok")};
}

QStringList SensorOptionLists::powerSupplies()
{
    return {QCoreApplication::translate("Sensor", "Power battery"),
            QCoreApplication::translate("Sensor", "Power external")};
}

QStringList SensorOptionLists::indications()
{
    return {QCoreApplication::translate("Sensor", "Global"),
            QCoreApplication::translate("Sensor", "On"),
            QCoreApplication::translate("Sensor", "Off")};
}

QStringList SensorOptionLists::fireStates()
{
    return {QCoreApplication::translate("Sensor", "Normal", "dip"),
            QCoreApplication::translate("Sensor", "Fire", "dip state")};
}

QStringList SensorOptionLists::buttonStates()
{
    return {QCoreApplication::translate("Sensor", "Not pressed"),
            QCoreApplication::translate("Sensor", "Pressed")};
}

QStringList SensorOptionLists::temperatureEventModes()
{
    return {QCoreApplication::translate("Sensor", "No temp events"),
            QCoreApplication::translate("Sensor", "High temp event"),
            QCoreApplication::translate("Sensor", "Low temp event"),
            QCoreApplication::translate("Sensor", "High low temp event")};
}

QStringList SensorOptionLists::thermistorErrors()
{
    return {QCoreApplication::translate("Sensor", "Temperature measurement timeout"),
            QCoreApplication::translate("Sensor", "Low resistance thermistor"),
            QCoreApplication::translate("Sensor", "High resistance thermistor"),
            QCoreApplication::translate("Sensor", "High reference resistor resistance"),
            QCoreApplication::translate("Sensor", "Low reference resistor resistance"),
            QCoreApplication::translate("Sensor", "No errors")};
}

QStringList SensorOptionLists::fireClasses()
{
    return {QCoreApplication::translate("Sensor", "A1R (60˚С, diff)", "IP"),
            QCoreApplication::translate("Sensor", "A2R (65˚С, diff)", "IP"),
            QCoreApplication::translate("Sensor", "A3R (70˚С, diff)", "IP"),
            QCoreApplication::translate("Sensor", "BR (80˚С, diff)", "IP"),
            QCoreApplication::translate("Sensor", "HR (Custom, diff)", "IP"),
            QCoreApplication::translate("Sensor", "A1 (60˚С)", "IP"),
            QCoreApplication::translate("Sensor", "A2 (65˚С)", "IP"),
            QCoreApplication::translate("Sensor", "A3 (70˚С)", "IP"),
            QCoreApplication::translate("Sensor", "B (80˚С)", "IP"),
            QCoreApplication::translate("Sensor", "H (Custom)", "IP")};
}

QStringList SensorOptionLists::smokeChamberErrors()
{
    return {
        QCoreApplication::translate("Sensor", "No errors"),
        QCoreApplication::translate("Sensor", "IR LED current is out of range"),
        QCoreApplication::translate("Sensor", "Backlight current mismatch"),
        QCoreApplication::translate("Sensor", "IR LED current and backlight current mismatch"),
        QCoreApplication::translate("Sensor", "Smoke chamber illuminance is out of range"),
        QCoreApplication::translate("Sensor", "Smoke chamber illuminance is difference error"),
        QCoreApplication::translate("Sensor", "Average illuminance exceeded threshold"),
        QCoreApplication::translate("Sensor", "Critical illuminance exceeded threshold"),
        QCoreApplication::translate("Sensor", "Invalid ambient temperature"),
        QCoreApplication::translate("Sensor", "Invalid calibration for smoke density calculation"),
        QCoreApplication::translate("Sensor", "ADC capture failure")};
}

QStringList SensorOptionLists::flameDetectionTimes()
{
    return {QCoreApplication::translate("Sensor", "Detection time from 10 seconds"),
            QCoreApplication::translate("Sensor", "Detection time from 5 seconds")};
}

QStringList SensorOptionLists::flameDetectionRanges()
{
    return {QCoreApplication::translate("Sensor", "25m"),
            QCoreApplication::translate("Sensor", "12m")};
}

QStringList SensorOptionLists::infraredSensitivities()
{
    return {QCoreApplication::translate("Sensor", "Max.", "IK"),
            QCoreApplication::translate("Sensor", "High", "IK"),
            QCoreApplication::translate("Sensor", "Low", "IK"),
            QCoreApplication::translate("Sensor", "Min.", "IK")};
}

QStringList SensorOptionLists::infraredStates()
{
    return {QCoreApplication::translate("Sensor", "Disabled", "ik_sensor"),
            QCoreApplication::translate("Sensor", "OK", "ik_sensor"),
            QCoreApplication::translate("Sensor", "Alarm", "ik_sensor"),
            QCoreApplication::translate("Sensor", "Fail", "ik_sensor")};
}

QStringList SensorOptionLists::zoneSensitivities()
{
    return {
        QCoreApplication::translate("Sensor", "Max"), QCoreApplication::translate("Sensor", "High"),
        QCoreApplication::translate("Sensor", "Low"), QCoreApplication::translate("Sensor", "Min")};
}

QStringList SensorOptionLists::magnetStates()
{
    return {QCoreApplication::translate("Sensor", "No magnet"),
            QCoreApplication::translate("Sensor", "1 gercon is closed", "smkState"),
            QCoreApplication::translate("Sensor", "2 gercon is closed", "smkState"),
            QCoreApplication::translate("Sensor", "1 and 2 gercon are closed", "smkState")};
}

QStringList SensorOptionLists::magnetModes()
{
    return {QCoreApplication::translate("Sensor", "Dry reed"),
            QCoreApplication::translate("Sensor", "ext"),
            QCoreApplication::translate("Sensor", "Dry reed & ext")};
}

QStringList SensorOptionLists::magnetModesWithoutExt()
{
    return {QCoreApplication::translate("Sensor", "Dry reed"),
            QCoreApplication::translate("Sensor", "Dry reed & ext")};
}

QStringList SensorOptionLists::maximumAccelerations()
{
    return {QCoreApplication::translate("Sensor", "50 mg"),
            QCoreApplication::translate("Sensor", "100 mg"),
            QCoreApplication::translate("Sensor", "150 mg"),
            QCoreApplication::translate("Sensor", "200 mg"),
            QCoreApplication::translate("Sensor", "250 mg"),
            QCoreApplication::translate("Sensor", "300 mg"),
            QCoreApplication::translate("Sensor", "450 mg"),
            QCoreApplication::translate("Sensor", "500 mg")};
}

QStringList SensorOptionLists::maximumAngles()
{
    return {
        QCoreApplication::translate("Sensor", "3°"),  QCoreApplication::translate("Sensor", "5°"),
        QCoreApplication::translate("Sensor", "10°"), QCoreApplication::translate("Sensor", "15°"),
        QCoreApplication::translate("Sensor", "20°"), QCoreApplication::translate("Sensor", "25°"),
        QCoreApplication::translate("Sensor", "30°"), QCoreApplication::translate("Sensor", "45°")};
}

QStringList SensorOptionLists::brightnesses()
{
    return {QCoreApplication::translate("Sensor", "Min", "brightness"),
            QCoreApplication::translate("Sensor", "Medium", "brightness"),
            QCoreApplication::translate("Sensor", "Max", "brightness")};
}

QStringList SensorOptionLists::keypadSilentAlarmModes()
{
    return {QCoreApplication::translate("Sensor", "Double click"),
            QCoreApplication::translate("Sensor", "One click")};
}

QStringList SensorOptionLists::keyFobSilentAlarmModes()
{
    return {QCoreApplication::translate("Sensor", "Hold 3 sec press 1 time"),
            QCoreApplication::translate("Sensor", "Hold 10 sec")};
}
