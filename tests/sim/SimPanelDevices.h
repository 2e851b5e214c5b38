#pragma once

#include "sim/SimRadioConfiguration.h"

#include <QList>

class QObject;
class QTimer;
class SimCommunicator;

// Radio devices that complete the large installation with one of every panel type, and the
// climate sensors' changing readings.
class SimPanelDevices
{
public:
    static constexpr int OutdoorClimateId = 33; // type 10
    static constexpr int IndoorClimateId = 30;  // type 31
    static constexpr int DualZoneId = 70;       // type 28

    static QList<SimRadioConfiguration::Device> devices();

    // Pushes a status record of the climate sensor with these readings (hundredths).
    static void pushClimate(SimCommunicator &device, quint16 id, qint16 temperature,
                            qint16 humidity, qint16 co);
    // Pushes slowly drifting readings of both climate sensors every interval.
    static QTimer *startClimateDrift(SimCommunicator &device, int intervalMs, QObject *parent);
};
