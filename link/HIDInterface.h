#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

#include "link/HidDeviceInfo.h"

class HIDConnection;
class HIDDeviceFinder;

// One plugged communicator as the dialogs show it.
struct connect_info
{
    QString product;
    QString serial;
};
Q_DECLARE_METATYPE(connect_info)

// The only object the rest of the program talks to about USB devices: it owns the
// finder and one connection per plugged communicator and keeps one of them current.
//
// Received messages: while the current connection is active, every complete, checked
// message (without its CRC) is emitted as messageReceived in the GUI thread, in order
// of arrival. The protocol connects its onMessageReceived slot to it once.
class HIDInterface : public QObject
{
    Q_OBJECT
public:
    explicit HIDInterface(QObject *parent = nullptr);
    ~HIDInterface() override;

    void send(const QByteArray &message);
    void activate();
    void deactivate();
    bool isActive() const;
    bool isAvailable();
    bool hasDevices() const;
    QList<connect_info> deviceList() const;
    bool selectDevice(const QString &serial);
    void setCurrent(HIDConnection *connection);

    bool isWriterBusy() const;
    // Nothing handed to the current writer is still waiting or being sent.
    bool isWriterIdle() const;
    void stopWriter();
    void restartWriter();
    void setPayloadSize(int size);
    // The current connection's payload per report (the default one without a connection).
    int payloadSize() const;

    HIDConnection *currentConnection() const { return m_current; }
    QList<HIDConnection *> connections() const { return m_connections; }

public slots:
    void onNewDeviceConnected(const HidDeviceInfo &device, ushort in_pid, ushort in_vid);
    void onReaderStopped(HIDConnection *in_pConnection);

signals:
    void connected();
    void disconnected();
    void findAnyDevices();
    void lostDeviceConnect(QString in_serial);
    void partTransmitted(int part, int total);
    void listUpdated(QList<connect_info> in_list);
    void messageReceived(QByteArray in_data);

private:
    void forwardFrom(HIDConnection *connection);
    void stopForwardingFrom(HIDConnection *connection);

    HIDDeviceFinder *m_finder = nullptr;
    HIDConnection *m_current = nullptr;
    QList<HIDConnection *> m_connections;
};
