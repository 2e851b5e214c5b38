#include "sim/SimPowerValues.h"

#include <cstring>

void SimPowerValues::apply(int type, s_SensorIntData &status)
{
    quint8 *live = status.privateData.raw;
    if (type == 49 || type == 50) {
        live[16] = 4; // charging, voltage in the norm
        live[17] = 1; // power in the norm
    } else if (type == 30) {
        const quint16 accumulatorMillivolts = 4120;
        std::memcpy(live + 2, &accumulatorMillivolts, sizeof(accumulatorMillivolts));
    }
}
