#include "link/HIDInterface.h"

// Work in progress: the connections arrive in the next commits.
HIDInterface::HIDInterface(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<connect_info>("connect_info");
    qRegisterMetaType<QList<connect_info>>("QList<connect_info>");
}

HIDInterface::~HIDInterface() = default;

void HIDInterface::send(const QByteArray &) {}
void HIDInterface::activate() {}
void HIDInterface::deactivate() {}
bool HIDInterface::isActive() const
{
    return false;
}
bool HIDInterface::isAvailable()
{
    return false;
}
bool HIDInterface::hasDevices() const
{
    return !m_connections.isEmpty();
}
QList<connect_info> HIDInterface::deviceList() const
{
    return {};
}
bool HIDInterface::selectDevice(const QString &)
{
    return false;
}
void HIDInterface::setCurrent(HIDConnection *connection)
{
    m_current = connection;
}
bool HIDInterface::isWriterBusy() const
{
    return false;
}
void HIDInterface::stopWriter() {}
void HIDInterface::restartWriter() {}
void HIDInterface::setPayloadSize(int) {}
void HIDInterface::onNewDeviceConnected(const HidDeviceInfo &, ushort, ushort) {}
void HIDInterface::onReaderStopped(HIDConnection *) {}
void HIDInterface::forwardFrom(HIDConnection *) {}
void HIDInterface::stopForwardingFrom(HIDConnection *) {}
