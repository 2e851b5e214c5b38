#pragma once

#include "sim/SimBus.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDevice.h"
#include "sim/SimFirmware.h"

#include <memory>

// One simulated communicator plugged into a simulated USB bus, holding a realistic large
// configuration. Create it before the program's transport and destroy it after.
class SimulatedSetup
{
public:
    static constexpr const char *Serial = "8001A2B3";
    static constexpr const char *Login = "admin";
    static constexpr const char *Password = "vorte";

    explicit SimulatedSetup(bool plugged = true);
    ~SimulatedSetup();

    SimBus &bus() { return *m_bus; }
    SimDevice &device() { return *m_device; }
    SimCommunicator &communicator() { return *m_communicator; }
    SimFirmware &firmware() { return *m_firmware; }

    void plug();
    void unplug();

    // The main board's firmware information: device type 8, version 1.4.
    static QByteArray firmwareInfo();
    // Settings blocks, users, keys, directions, partitions, radio devices, loop, outputs.
    static void fillLargeConfiguration(SimCommunicator &communicator);

private:
    std::unique_ptr<SimBus> m_bus;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<SimCommunicator> m_communicator;
    std::unique_ptr<SimFirmware> m_firmware;
};
