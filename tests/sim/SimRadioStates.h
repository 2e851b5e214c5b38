#pragma once

#include "radio/SensorRecords.h"

#include <QtGlobal>

class SimCommunicator;

// Live states of the simulated radio devices, so that every kind of card look appears:
// devices at rest, in alarm, on fire, with an open case, faulty, on a low main or a
// failed reserve battery, lost, disabled, with a broken cable.
class SimRadioStates
{
public:
    // Ids of the devices that show one state each.
    enum StateDevice : int
    {
        AlarmId = 37,
        FireId = 38,
        CaseOpenId = 39,
        FaultId = 40,
        LowMainId = 41,
        ReserveFailId = 42,
        LostId = 43,
        DisabledId = 44,
        CableBrokenId = 45,
    };

    // Puts the device's state into its status record.
    static void apply(int id, int type, s_SensorIntData &status);
    static bool isDisabled(int id) { return id == DisabledId; }

    // The device sends a new status record of one radio device, as it does on any change,
    // and keeps it as the device's current status.
    static void pushStatus(SimCommunicator &device, quint16 id, const s_SensorIntData &status);
    static s_SensorIntData heldStatus(const SimCommunicator &device, quint16 id);
};
