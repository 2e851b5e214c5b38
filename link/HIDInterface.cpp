#include "link/HIDInterface.h"

#include "link/HIDConnection.h"
#include "link/HIDDeviceFinder.h"
#include "link/HIDWriter.h"

HIDInterface::HIDInterface(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<connect_info>("connect_info");
    qRegisterMetaType<QList<connect_info>>("QList<connect_info>");
    qRegisterMetaType<HidDeviceInfo>("HidDeviceInfo");

    m_finder = new HIDDeviceFinder(this);
    connect(m_finder, &HIDDeviceFinder::newDeviceConnected, this,
            &HIDInterface::onNewDeviceConnected);
    connect(this, &HIDInterface::disconnected, m_finder, &HIDDeviceFinder::onEnableFindTimer);
    connect(this, &HIDInterface::connected, m_finder, &HIDDeviceFinder::onDisableFindTimer);
    // Only now: a device found before the connection above would never be announced again.
    m_finder->init();
}

HIDInterface::~HIDInterface()
{
    delete m_finder;
    m_finder = nullptr;
    const QList<HIDConnection *> connections = m_connections;
    m_connections.clear();
    m_current = nullptr;
    for (HIDConnection *connection : connections) {
        disconnect(connection, nullptr, this, nullptr);
        connection->deactivate();
        connection->close();
        delete connection;
    }
}

void HIDInterface::send(const QByteArray &message)
{
    if (m_current)
        m_current->send(message);
}

void HIDInterface::activate()
{
    if (m_current)
        m_current->activate();
}

void HIDInterface::deactivate()
{
    if (m_current)
        m_current->deactivate();
}

bool HIDInterface::isActive() const
{
    return m_current && m_current->stateCode() == HIDConnection::Active;
}

bool HIDInterface::isAvailable()
{
    if (m_current)
        return m_current->isFree();
    if (m_connections.isEmpty())
        return false;
    setCurrent(m_connections.first());
    return m_current->isFree();
}

bool HIDInterface::hasDevices() const
{
    return !m_connections.isEmpty();
}

QList<connect_info> HIDInterface::deviceList() const
{
    QList<connect_info> list;
    for (const HIDConnection *connection : m_connections)
        list.append({connection->productName(), connection->serialNumber()});
    return list;
}

bool HIDInterface::selectDevice(const QString &serial)
{
    HIDConnection *selected = nullptr;
    for (HIDConnection *connection : qAsConst(m_connections)) {
        if (connection->serialNumber() == serial) {
            selected = connection;
            break;
        }
    }
    if (!selected)
        return false;
    if (m_current && m_current != selected) {
        // Two active devices would feed their answers into one protocol.
        m_current->deactivate();
    }
    if (m_current)
        stopForwardingFrom(m_current);
    setCurrent(selected);
    return true;
}

void HIDInterface::setCurrent(HIDConnection *connection)
{
    m_current = connection;
    forwardFrom(connection);
    connection->open();
}

bool HIDInterface::isWriterBusy() const
{
    return m_current && m_current->isWriterBusy();
}

bool HIDInterface::isWriterIdle() const
{
    return !m_current || m_current->isWriterIdle();
}

void HIDInterface::stopWriter()
{
    if (m_current)
        m_current->stopWriter();
}

void HIDInterface::restartWriter()
{
    if (m_current)
        m_current->createWriter();
}

void HIDInterface::setPayloadSize(int size)
{
    if (m_current)
        m_current->setPayloadSize(size);
}

int HIDInterface::payloadSize() const
{
    return m_current ? m_current->payloadSize() : HIDWriter::DefaultPayloadSize;
}

void HIDInterface::onNewDeviceConnected(const HidDeviceInfo &device, ushort in_pid, ushort in_vid)
{
    for (const HIDConnection *connection : qAsConst(m_connections)) {
        if (connection->serialNumber() == device.serialNumber)
            return;
    }
    auto *connection = new HIDConnection(device, in_pid, in_vid);
    connect(connection, &HIDConnection::disconnected, this, &HIDInterface::onReaderStopped);
    // Only an active connection reads, and only the current one is ever active.
    connect(connection, &HIDConnection::messageReceived, this, &HIDInterface::messageReceived);
    if (m_connections.isEmpty())
        setCurrent(connection);
    else
        connection->open();
    m_connections.append(connection);
    if (m_connections.size() >= 2)
        emit findAnyDevices();
}

void HIDInterface::onReaderStopped(HIDConnection *in_pConnection)
{
    if (!m_connections.contains(in_pConnection))
        return;
    const QString serial = in_pConnection->serialNumber();
    m_finder->forget(serial);
    m_connections.removeOne(in_pConnection);
    emit listUpdated(deviceList());

    if (in_pConnection == m_current) {
        stopForwardingFrom(in_pConnection);
        m_current = nullptr;
        if (!m_connections.isEmpty())
            emit disconnected();
    }
    disconnect(in_pConnection, nullptr, this, nullptr);
    // It may still be inside the signal that brought us here. As our child it goes with
    // us should we go first.
    in_pConnection->setParent(this);
    in_pConnection->deleteLater();

    if (m_connections.isEmpty())
        emit disconnected();
    emit lostDeviceConnect(serial);
}

void HIDInterface::forwardFrom(HIDConnection *connection)
{
    connect(connection, &HIDConnection::connected, this, &HIDInterface::connected,
            Qt::UniqueConnection);
    connect(connection, &HIDConnection::partTransmitted, this, &HIDInterface::partTransmitted,
            Qt::UniqueConnection);
}

void HIDInterface::stopForwardingFrom(HIDConnection *connection)
{
    disconnect(connection, &HIDConnection::connected, this, &HIDInterface::connected);
    disconnect(connection, &HIDConnection::partTransmitted, this, &HIDInterface::partTransmitted);
}
