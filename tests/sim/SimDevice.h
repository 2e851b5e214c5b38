#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class SimBus;

// One simulated communicator on a SimBus. It reassembles the host's reports (counter,
// part index, CRC-16) into messages and frames its own answers with a counter of its
// own. Its acknowledgement is configurable and it can inject the faults a real link
// shows. Thread-safe: the host's reader and writer tasks reach it through the bus.
class SimDevice : public QObject
{
    Q_OBJECT
public:
    static constexpr ushort VendorId = 0x0483;

    SimDevice(const QString &serial, const QString &product, ushort productId = 0x5710,
              QObject *parent = nullptr);
    ~SimDevice() override;

    QString serial() const { return m_serial; }
    QString product() const { return m_product; }
    ushort productId() const { return m_productId; }
    bool isPlugged() const;

    // Called in this object's thread for each complete message from the host whose
    // CRC-16 checked: [operation][16-bit id LE][payload], CRC stripped.
    void setMessageHandler(std::function<void(const QByteArray &message)> handler);
    // Frames an answer into 65-byte reports (own counter, CRC-16) and queues them for
    // the host's reader. Dropped while unplugged.
    void sendMessage(const QByteArray &message);
    // Queues one report exactly as given (padded to 65 bytes), for framing faults.
    void sendReport(const QByteArray &report);
    void setPayloadSize(int size);

    // ---- acknowledgement ----
    // Polls answered "not yet" before a report is acknowledged (0: the first poll).
    void setAckPolls(int polls);

    // ---- faults, each for the given number of host reports or device messages ----
    void failStartCalls(int reports); // the start call returns -1
    void failChecks(int reports);     // the check returns -2; the report is lost
    void withholdAcks(int reports);   // never acknowledged; the report is lost
    void breakCrcOfNextMessages(int messages);
    void reorderNextMessages(int messages); // middle parts swapped
    // Unplugs itself right after taking this many more reports from the host.
    void unplugAfterHostReports(int reports);
    // The next answer stops after this many reports and the device is unplugged.
    void unplugDuringNextMessage(int reportsSent);
    void failOpen(bool fail);
    void failProductString(bool fail);
    // Extra HID interfaces listed with the same serial number.
    void setInterfaceCount(int count);

    // ---- what the host sent ----
    QList<QByteArray> hostReports() const;      // every report taken, 65 bytes each
    QList<QByteArray> receivedMessages() const; // checked messages, CRC stripped
    int brokenMessages() const;                 // dropped: gap, order or CRC
    void clearRecords();

signals:
    // Emitted in this object's thread with each checked message.
    void messageReceived(QByteArray message);

private:
    friend class SimBus;

    // Called by the bus with the simulation lock held.
    enum class Outcome
    {
        Accepted,
        Lost,
        NeverAcknowledged
    };
    Outcome takeHostReportLocked(const QByteArray &report, bool &unplugNow);
    void assembleLocked(const QByteArray &report);
    void deliverLocked(const QByteArray &message);
    QList<QByteArray> frameLocked(const QByteArray &message);

    const QString m_serial;
    const QString m_product;
    const ushort m_productId;
    SimBus *m_bus = nullptr;
    std::function<void(const QByteArray &)> m_handler;

    int m_payloadSize = 60;
    quint8 m_counter = 0;
    int m_ackPolls = 0;
    int m_startFailures = 0;
    int m_checkFailures = 0;
    int m_withheldAcks = 0;
    int m_brokenCrcMessages = 0;
    int m_reorderedMessages = 0;
    int m_unplugAfterHostReports = 0;
    int m_unplugDuringMessage = -1;
    bool m_failOpen = false;
    bool m_failProductString = false;
    int m_interfaceCount = 1;

    // Reassembly of the host's message.
    QByteArray m_buffer;
    quint8 m_collectingCounter = 0;
    int m_nextPart = 0;
    bool m_collecting = false;

    QList<QByteArray> m_hostReports;
    QList<QByteArray> m_receivedMessages;
    int m_brokenMessages = 0;
};
