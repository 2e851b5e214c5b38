#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

#include <atomic>
#include <chrono>
#include <thread>

#include "link/ReportQueue.h"

class HidHandle;

// Sends whole messages to the device in a task of its own: appends the CRC-16, cuts
// the message into 65-byte reports and writes them one by one, each waiting for its
// acknowledgement.
class HIDWriter : public QObject
{
    Q_OBJECT
public:
    static constexpr int ReportSize = 65;
    static constexpr int ReportId = 3;
    static constexpr int HeaderSize = 5;
    static constexpr int DefaultPayloadSize = 60;
    static constexpr int MaxPayloadSize = 60;
    static constexpr quint16 LastPartIndex = 0xFFFF;
    // Part indexes 0 .. 0xFFFE precede the last part.
    static constexpr int MaxParts = 0x10000;
    static constexpr int AckPolls = 2000;
    static constexpr unsigned long TimerSlackNs = 1000;

    // The login message carries the password: its reports are traced without payload.
    static constexpr quint8 LoginOperation = 0x01;

    // firstCounter lets a replacement writer go on from the counter its predecessor
    // would have used next: the device appends a message that repeats the counter of an
    // unfinished one to it.
    explicit HIDWriter(HidHandle *device, QObject *parent = nullptr, quint8 firstCounter = 0);
    ~HIDWriter() override;

    // Queues a copy of the message; callable from any thread.
    void write(const QByteArray &message);
    // Sizes outside 1..60 are refused; takes effect from the next message.
    void setPayloadSize(int size);
    int payloadSize() const { return m_payloadSize.load(); }
    // Abandons the message in progress after its current report and ends the task.
    void stop();
    // True while messages wait behind the one being sent.
    bool isBusy() const;
    // True when every message handed over has been sent (or given up): none waits, none is
    // being sent.
    bool isIdle() const { return m_unsent.load() == 0; }
    // The counter of the next message.
    quint8 nextCounter() const { return m_counter.load(); }

    // Cuts a message that already carries its CRC into reports (without the zero
    // filling up to ReportSize); empty when it needs more than MaxParts parts.
    // Reports a message of this size (CRC included) takes; more than MaxParts means it
    // cannot be sent.
    static qint64 reportCount(qint64 messageSize, int payloadSize);
    static QList<QByteArray> split(const QByteArray &message, quint8 counter, int payloadSize);

signals:
    void partTransmitted(int partId, int total);
    // An acknowledgement did not come in time.
    void hidFreeze();

private:
    void run();
    void sendMessage(QByteArray message);
    bool sendReport(QByteArray report, bool secret);
    bool waitForAcknowledgement(unsigned char *context,
                                std::chrono::steady_clock::time_point started);
    void logWriteError();

    HidHandle *m_device;
    std::atomic<quint8> m_counter{0};
    std::atomic<int> m_payloadSize{DefaultPayloadSize};
    int m_attemptsLeft = 0;
    std::atomic<bool> m_busy{false};
    std::atomic<int> m_unsent{0};
    std::atomic<bool> m_stop{false};
    std::thread m_task;
    ReportQueue m_queue;
};
