#pragma once

#include <QDebug>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "link/HIDConnection.h"
#include "link/HIDInterface.h"
#include "sim/LogCapture.h"
#include "sim/SimBus.h"
#include "sim/SimDevice.h"

// One simulated communicator plugged in and, after activate(), an active connection
// to it through the real finder, reader and writer.
struct LinkFixture
{
    LinkFixture() : device(QStringLiteral("00A1B2C3"), QStringLiteral("Korvel-GSM R"))
    {
        bus.plug(&device);
        hid = std::make_unique<HIDInterface>();
        received = std::make_unique<QSignalSpy>(hid.get(), &HIDInterface::messageReceived);
    }
    ~LinkFixture()
    {
        received.reset();
        hid.reset();
    }

    bool activate()
    {
        if (!QTest::qWaitFor([this] { return hid->currentConnection() != nullptr; }, 10000))
            return false;
        hid->activate();
        if (!hid->isActive())
            qWarning() << "not active: state" << hid->currentConnection()->stateCode() << "free"
                       << hid->currentConnection()->isFree();
        return hid->isActive();
    }

    // Payload of the report that carries the given part of one host message.
    QList<QByteArray> hostReports() const { return device.hostReports(); }

    LogCapture log;
    SimBus bus;
    SimDevice device;
    std::unique_ptr<HIDInterface> hid;
    std::unique_ptr<QSignalSpy> received;
};

inline QByteArray patterned(int size, int seed = 0)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed * 17 + 5) & 0xFF);
    return bytes;
}

// One report as a device frames it: id 3, counter, part index, length, payload.
inline QByteArray report(quint8 counter, quint16 part, const QByteArray &payload)
{
    QByteArray bytes;
    bytes.append(char(3));
    bytes.append(char(counter));
    bytes.append(char(part & 0xFF));
    bytes.append(char(part >> 8));
    bytes.append(char(payload.size()));
    bytes.append(payload);
    return bytes;
}
