#pragma once

#include "radio/SensorRecords.h"

#include <QByteArray>
#include <QtGlobal>

class SimCommunicator;

// Counters, the valve controller and repeater choice in the simulated installation:
// their settings and live values, and the device commands that change them.
class SimCountersValve
{
public:
    // Further devices of these kinds (ids kept apart from the rest of the list).
    enum ExtraDevice : int
    {
        HighFrequencyCounterId = 81,
        Repeater51Id = 83,
        SmokeCaseOpenId = 84,
    };
    static constexpr int ValveId = 16;
    static constexpr int PulseCounterId = 9;
    static constexpr int SmokeOldId = 25;

    static void adjustSettings(int id, int type, s_SensorSettings &settings);
    static void applyStatus(int id, int type, s_SensorIntData &status);
    // The clock read 0x10, 0xD7, 0xD8, 0xD9 and 0x53; false for any other operation.
    static bool handle(SimCommunicator &device, quint8 operation, quint16 id,
                       const QByteArray &payload);
};
