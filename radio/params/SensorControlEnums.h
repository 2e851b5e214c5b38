#pragma once

#include <QMetaType>
#include <QVariant>
#include <QtGlobal>
#include <initializer_list>

// Input operating mode of a relay module; 2 is never stored.
enum e_RM_InputOperatingMode : quint8
{
    RmInputOff = 0,
    RmInputButton = 1,
    RmInputControlledCircuit = 3,
};
Q_DECLARE_METATYPE(e_RM_InputOperatingMode)

// Silent-alarm gesture of a keypad.
enum e_K_QuietAlarmConfig : quint8
{
    QuietAlarmDoubleClick = 0,
    QuietAlarmOneClick = 1,
};
Q_DECLARE_METATYPE(e_K_QuietAlarmConfig)

// Silent-alarm mode of a key fob.
enum e_SilentAlarmMode : quint8
{
    SilentAlarmHold3Press1 = 0,
    SilentAlarmHold10 = 1,
};
Q_DECLARE_METATYPE(e_SilentAlarmMode)

// An edited value as one of the enumerations above: taken as it is when it already holds
// the type, else as an integer among the accepted codes; anything else is 0.
template <typename E> E enumFromVariant(const QVariant &value, std::initializer_list<int> accepted)
{
    if (value.userType() == qMetaTypeId<E>())
        return value.value<E>();
    bool ok = false;
    const int code = value.toInt(&ok);
    if (!ok)
        return E(0);
    for (int candidate : accepted) {
        if (candidate == code)
            return E(code);
    }
    return E(0);
}
