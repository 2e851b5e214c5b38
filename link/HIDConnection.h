#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "link/DeviceLock.h"
#include "link/HidDeviceInfo.h"
#include "link/ReportQueue.h"

class HidHandle;
class HIDPing;
class HIDReader;
class HIDWriter;

// One plugged communicator: opens it, watches it for removal while it is not in use
// and, while active, holds its lock and runs the reader and the writer. All its
// operations run in the GUI thread, except the reassembly, which runs in the reader's.
class HIDConnection : public QObject
{
    Q_OBJECT
public:
    enum StateCode
    {
        Active = 0,
        Closed = 1,
        Opened = 2,
        Deactivated = 3,
        NoState = 4,
    };

    static constexpr int MaxSerialLength = 63;
    static constexpr int ProductStringLength = 256;
    static constexpr int ReaderPauseMs = 1000;

    HIDConnection(const HidDeviceInfo &device, ushort pid, ushort vid);
    ~HIDConnection() override;

    void open();
    void activate();
    void deactivate();
    void close();
    bool isFree() const;
    // Dropped without notice unless active.
    void send(const QByteArray &message);
    bool isWriterBusy() const;
    bool isWriterIdle() const;
    void createWriter();
    void stopWriter();
    // The payload per report belongs to the device: every writer of this connection uses it.
    void setPayloadSize(int size);
    int payloadSize() const { return m_payloadSize; }

    QString serialNumber() const { return m_deviceInfo.serialNumber; }
    QString productName() const { return m_deviceInfo.product; }
    int stateCode() const { return m_state; }
    ushort productId() const { return m_productId; }
    ushort vendorId() const { return m_vendorId; }

    // The received reports, for the reassembly.
    ReportQueue &receivedReports() { return m_receivedReports; }

public slots:
    void onReaderStopped();
    void onDataReceived();

signals:
    void connected();
    void disconnected(HIDConnection *in_pConnection);
    void partTransmitted(int partId, int total);
    void messageReceived(QByteArray in_data);

private:
    void enterOpened();
    void enterActive();
    void enterDeactivated(bool startProbe);
    void enterClosed();

    void pauseReader();
    void stopInputOutput();
    void startProbe();
    void stopProbe();
    void closeDevice();
    template <typename Watcher, typename Signal>
    void watchForRemoval(Watcher *watcher, Signal removed);

    void takeReport(const QByteArray &report);
    void checkMessage();

    ushort m_productId;
    ushort m_vendorId;
    DeviceLock m_lock;
    QByteArray m_messageBuffer;
    HidDeviceInfo m_deviceInfo;
    HidHandle *m_device = nullptr;
    int m_state = NoState;
    HIDPing *m_probe = nullptr;
    HIDReader *m_reader = nullptr;
    HIDWriter *m_writer = nullptr;
    // Where a writer created by createWriter() starts counting messages.
    quint8 m_nextWriterCounter = 0;
    int m_payloadSize = 60;
    // Tells the current probe's or reader's removal report from a replaced one's.
    quint64 m_watcherGeneration = 0;
    ReportQueue m_receivedReports;
    quint8 m_messageCounter = 0;
    quint16 m_lastPartIndex = 0;
};
