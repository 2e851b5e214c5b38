#include "RadioLink.h"

#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"

#include <QLoggingCategory>
#include <QTest>

SimulatedDevice::SimulatedDevice()
    : m_device(QStringLiteral("80000001"), QStringLiteral("Korvel-GSM R")),
      m_communicator(&m_bus, &m_device)
{
    m_bus.plug(&m_device);
}

SimulatedDevice::~SimulatedDevice() = default;

bool waitForConnection(HIDInterface *interface)
{
    if (!interface)
        return false;
    if (!QTest::qWaitFor([interface] { return interface->currentConnection() != nullptr; }, 10000))
        return false;
    interface->activate();
    return interface->isActive();
}

ProtocolLink::ProtocolLink()
{
    m_interface = std::make_unique<HIDInterface>();
    // The record-size log is of no interest here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    m_protocol = std::make_unique<Protocol>(m_interface.get());
    QLoggingCategory::setFilterRules(QString());
    QObject::connect(m_interface.get(), &HIDInterface::messageReceived, m_protocol.get(),
                     &Protocol::onMessageReceived);
}

ProtocolLink::~ProtocolLink()
{
    m_protocol.reset();
    m_interface.reset();
}

bool ProtocolLink::connect()
{
    return waitForConnection(m_interface.get());
}

ControllerFixture::ControllerFixture()
{
    m_overmind = std::make_unique<Overmind>();
    m_window = std::make_unique<MainWindow>();
    m_overmind->setMainWindow(m_window.get());
}

ControllerFixture::~ControllerFixture()
{
    m_overmind.reset();
    m_window.reset();
}

bool ControllerFixture::connect()
{
    return m_overmind->protocol() && waitForConnection(m_overmind->hidInterface());
}

SentMessage splitMessage(const QByteArray &message)
{
    SentMessage sent;
    if (message.size() < 3)
        return sent;
    sent.operation = quint8(message.at(0));
    sent.identifier = quint16(quint8(message.at(1)) | (quint8(message.at(2)) << 8));
    sent.payload = message.mid(3);
    return sent;
}
