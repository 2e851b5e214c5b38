#pragma once

#include "sim/SimBus.h"
#include "sim/SimDevice.h"

#include <QByteArray>
#include <QList>
#include <memory>

class HIDInterface;
class Protocol;

// A simulated communicator plugged in and reached through the real transport and
// protocol, so a test sees exactly the messages the device would receive.
class LinkFixture
{
public:
    LinkFixture();
    ~LinkFixture();

    // Waits for the connection and activates it; false when it never came.
    bool connect();
    Protocol *protocol() const { return m_protocol.get(); }
    // Messages the device received so far: [operation][id LE][payload].
    QList<QByteArray> messages() const { return m_device.receivedMessages(); }
    void clear() { m_device.clearRecords(); }

private:
    SimBus m_bus;
    SimDevice m_device;
    std::unique_ptr<HIDInterface> m_interface;
    std::unique_ptr<Protocol> m_protocol;
};

// The operation, identifier and payload of one message.
struct SentMessage
{
    quint8 operation = 0;
    quint16 identifier = 0;
    QByteArray payload;
};
SentMessage splitMessage(const QByteArray &message);
