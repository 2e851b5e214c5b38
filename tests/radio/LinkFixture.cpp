#include "LinkFixture.h"

#include "link/HIDInterface.h"
#include "link/Protocol.h"

#include <QSignalSpy>
#include <QTest>

LinkFixture::LinkFixture() : m_device(QStringLiteral("80000001"), QStringLiteral("Korvel-GSM R"))
{
    m_bus.plug(&m_device);
    m_interface = std::make_unique<HIDInterface>();
    m_protocol = std::make_unique<Protocol>(m_interface.get());
}

LinkFixture::~LinkFixture()
{
    m_protocol.reset();
    m_interface.reset();
}

bool LinkFixture::connect()
{
    QSignalSpy connected(m_interface.get(), &HIDInterface::connected);
    if (!connected.count() && !connected.wait(10000))
        return false;
    m_interface->activate();
    return m_interface->isActive();
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
