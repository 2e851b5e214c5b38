#pragma once

#include "sim/SimRadioConfiguration.h"

#include <QObject>

class SimCommunicator;

// Fire, intrusion, contact and shift detectors of the simulated installation: a few more
// devices, their private settings and live values, and the acoustic detector's test mode,
// which the device switches itself after a short wait.
class SimFireContactDevices : public QObject
{
    Q_OBJECT
public:
    enum DeviceId : int
    {
        DoorShiftId = 91,
        YardPirId = 92,
        BoilerHeatId = 93,
        ArchiveSmokeId = 94,
    };
    static constexpr int TestModeWaitMs = 400;

    static QList<SimRadioConfiguration::Device> devices();
    // Firmware and private settings of the devices that differ from their type's default.
    static void applySettings(int id, int type, s_SensorSettings &settings);
    // Live values of the families, over the shared climate values and under the state looks.
    static void applyStatus(int id, int type, s_SensorIntData &status);
    // Once per communicator; the communicator owns it.
    static void attach(SimCommunicator &device);

private:
    explicit SimFireContactDevices(SimCommunicator &device);
    void onCommand(const QByteArray &command);
    void switchTestMode(quint16 id);

    SimCommunicator &m_device;
};
