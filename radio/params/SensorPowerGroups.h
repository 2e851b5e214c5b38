#pragma once

#include "radio/params/SensorProperty.h"
#include <QCoreApplication>

class Sensor;

// The power group of a device's tree, in the form its type takes.
class SensorPowerGroups
{
public:
    static SensorProperty build(Sensor &device);

    static SensorProperty defaultGroup(Sensor &device);
    static SensorProperty keyFobGroup(Sensor &device);
    static SensorProperty relayModuleGroup(Sensor &device);
    static SensorProperty mainsRelayGroup(Sensor &device);
    static SensorProperty accumulatorGroup(Sensor &device);
    static SensorProperty repeaterAccumulatorGroup(Sensor &device);

    // The relay module's state getters swap with its supply; the choice is made here.
    static SensorProperty::Getter relayMainStateGetter(Sensor &device);
    static SensorProperty::Getter relayReserveStateGetter(Sensor &device);

private:
    static SensorProperty mainVoltage(Sensor &device, const char *disambiguation = nullptr);
    static SensorProperty group(std::vector<SensorProperty> children);
};
