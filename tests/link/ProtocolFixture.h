#pragma once

#include "app/Logger.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "sim/SimBus.h"
#include "sim/SimCommunicator.h"
#include "sim/SimDevice.h"

#include <QLoggingCategory>
#include <QTest>

#include <memory>

// A simulated communicator plugged in and a Protocol talking to it through the real
// transport: finder, connection, reader and writer.
struct ProtocolFixture
{
    ProtocolFixture()
        : device(QStringLiteral("00C0FFEE"), QStringLiteral("Korvel-GSM R")),
          communicator(&bus, &device)
    {
        bus.plug(&device);
        hid = std::make_unique<HIDInterface>();
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        protocol = std::make_unique<Protocol>(hid.get());
        QLoggingCategory::setFilterRules(QString());
        QObject::connect(hid.get(), &HIDInterface::messageReceived, protocol.get(),
                         &Protocol::onMessageReceived);
    }

    ~ProtocolFixture()
    {
        protocol.reset();
        hid.reset();
    }

    bool activate()
    {
        if (!QTest::qWaitFor([this] { return hid->currentConnection() != nullptr; }, 10000))
            return false;
        // The connection may still be settling right after it appears; try again.
        return QTest::qWaitFor(
            [this] {
                hid->activate();
                return hid->isActive();
            },
            10000);
    }

    Logger logger;
    SimBus bus;
    SimDevice device;
    SimCommunicator communicator;
    std::unique_ptr<HIDInterface> hid;
    std::unique_ptr<Protocol> protocol;
};
