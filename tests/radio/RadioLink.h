#pragma once

#include "sim/SimBus.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDevice.h"

#include <QByteArray>
#include <QList>
#include <memory>

class HIDInterface;
class MainWindow;
class Overmind;
class Protocol;

// A simulated communicator plugged in and reached through the real transport, so a test
// sees exactly the commands the device receives and the blocks it accepts.
class SimulatedDevice
{
public:
    SimulatedDevice();
    ~SimulatedDevice();

    SimCommunicator &communicator() { return m_communicator; }
    QList<QByteArray> commands() const { return m_communicator.commands(); }
    void clear() { m_communicator.clearCommands(); }

private:
    SimBus m_bus;
    SimDevice m_device;
    SimCommunicator m_communicator;
};

// A protocol of the test's own over the simulated device.
class ProtocolLink : public SimulatedDevice
{
public:
    ProtocolLink();
    ~ProtocolLink();

    // Waits for the connection and activates it; false when it never came.
    bool connect();
    Protocol *protocol() const { return m_protocol.get(); }

private:
    std::unique_ptr<HIDInterface> m_interface;
    std::unique_ptr<Protocol> m_protocol;
};

// The controller with its own transport and protocol over the simulated device, as the
// radio objects find it at run time.
class ControllerFixture : public SimulatedDevice
{
public:
    ControllerFixture();
    ~ControllerFixture();

    // False when the connection never came.
    bool connect();
    Overmind &overmind() { return *m_overmind; }

private:
    std::unique_ptr<Overmind> m_overmind;
    std::unique_ptr<MainWindow> m_window;
};

// The operation, identifier and payload of one message.
struct SentMessage
{
    quint8 operation = 0;
    quint16 identifier = 0;
    QByteArray payload;
};
SentMessage splitMessage(const QByteArray &message);

bool waitForConnection(HIDInterface *interface);
