#pragma once

#include "radio/OutputRecords.h"
#include "radio/SensorRecords.h"

#include <QObject>

class SimCommunicator;

// The output side of the simulated communicator: tactic presets answered on request,
// climate readings of the radio devices that measure them, and the realistic mode blocks of
// the local outputs.
class SimOutputs : public QObject
{
    Q_OBJECT
public:
    // The climate device that feeds output 1.
    static constexpr int ClimateFeedbackId = 30;

    // Once per communicator; the communicator owns it.
    static void attach(SimCommunicator &device);

    // The preset the device answers for a tactic type (0 default, 1 lamp, 2 battery lamp,
    // 3 siren, 4 discrete).
    static s_EventsOutMode preset(quint8 type);
    // A pattern: duration, 16-step sequence, volume, modulation, end state.
    static quint32 pattern(int durationMs, quint16 sequence, int volume = 0,
                           bool modulation = false, bool endState = false);
    // Readings of temperature, humidity and CO for the device types that measure them.
    static void applyClimate(int type, s_SensorIntData &status);
    // Temperature, humidity and CO references kept by a climate device.
    static void applyClimateReferences(int type, u_RFDevPrivateSettings &settings);
    // Output 0: the siren in the standard mode; output 1: heating under temperature control.
    static void fillOutputMode(int index, s_OutputModeSett &mode);

private:
    explicit SimOutputs(SimCommunicator &device);
    void onCommand(const QByteArray &command);

    SimCommunicator &m_device;
};
