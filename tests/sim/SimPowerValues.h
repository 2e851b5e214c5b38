#pragma once

#include "radio/SensorRecords.h"

// Live supply values of the simulated devices with their own accumulator, so that their
// power rows show real states rather than zeros.
class SimPowerValues
{
public:
    static void apply(int type, s_SensorIntData &status);
};
