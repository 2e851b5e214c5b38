#pragma once

#include "radio/SensorRecords.h"

#include <QtGlobal>

// Outputs, climate sensors and handheld controls of the large simulated installation:
// private settings and live values that make their parameter groups worth looking at.
class SimControlDevices
{
public:
    // Devices the large configuration adds for these families.
    enum Id : int
    {
        TwoOutputId = 46,     // type 23, second output shorted
        Annunciator24Id = 47, // type 50
        RadioKeypadId = 48,   // type 73
        CircuitRelayId = 49,  // type 14, hardware 2.0, controlled circuit in partition 1
    };

    // Settings of the report and the block: input modes and hardware of relay modules.
    static void applySettings(int id, s_SensorSettings &settings);
    // Private settings of the types these families add.
    static void applyPrivateSettings(int type, u_RFDevPrivateSettings &area);
    // Live values: output states and faults, socket measurements, circuit states.
    static void applyStatus(int id, int type, s_SensorIntData &status);
};
