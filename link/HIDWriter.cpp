#include "link/HIDWriter.h"

#include <QDebug>

#include <chrono>
#include <pthread.h>
#include <sys/prctl.h>

#include "app/Logger.h"
#include "link/Crc.h"
#include "link/HidBackend.h"

HIDWriter::HIDWriter(HidHandle *device, QObject *parent, quint8 firstCounter)
    : QObject(parent), m_device(device), m_counter(firstCounter)
{
    m_task = std::thread([this] { run(); });
}

HIDWriter::~HIDWriter()
{
    if (!m_stop.load())
        stop();
    m_queue.clear();
}

void HIDWriter::write(const QByteArray &message)
{
    ++m_unsent;
    m_queue.push(message);
}

void HIDWriter::setPayloadSize(int size)
{
    if (size < 1 || size > MaxPayloadSize) {
        logWarning(this, QStringLiteral("Payload size %1 refused: it must be 1..%2")
                             .arg(size)
                             .arg(MaxPayloadSize));
        return;
    }
    m_payloadSize.store(size);
    qDebug() << "HIDWriter::setPayloadSize payloadSize =" << size;
}

void HIDWriter::stop()
{
    m_stop.store(true);
    m_queue.wake();
    if (m_task.joinable())
        m_task.join();
}

bool HIDWriter::isBusy() const
{
    return !m_queue.isEmpty() && m_busy.load();
}

qint64 HIDWriter::reportCount(qint64 messageSize, int payloadSize)
{
    if (messageSize <= 0 || payloadSize < 1 || payloadSize > MaxPayloadSize)
        return 0;
    return (messageSize + payloadSize - 1) / payloadSize;
}

QList<QByteArray> HIDWriter::split(const QByteArray &message, quint8 counter, int payloadSize)
{
    QList<QByteArray> reports;
    const qint64 parts = reportCount(message.size(), payloadSize);
    if (parts < 1 || parts > MaxParts)
        return reports;

    int offset = 0;
    quint16 index = 0;
    while (message.size() - offset > payloadSize) {
        QByteArray report;
        report.reserve(ReportSize);
        report.append(char(ReportId));
        report.append(char(counter));
        report.append(char(index & 0xFF));
        report.append(char(index >> 8));
        report.append(char(payloadSize));
        report.append(message.constData() + offset, payloadSize);
        reports.append(report);
        offset += payloadSize;
        ++index;
    }
    const int rest = message.size() - offset;
    QByteArray last;
    last.reserve(ReportSize);
    last.append(char(ReportId));
    last.append(char(counter));
    last.append(char(0xFF));
    last.append(char(0xFF));
    last.append(char(rest));
    last.append(message.constData() + offset, rest);
    reports.append(last);
    return reports;
}

void HIDWriter::run()
{
    pthread_setname_np(pthread_self(), "hid-writer");
    // Every report waits at least a millisecond; the default slack of the kernel's timers
    // would add a twentieth to each wait, and so to every upload.
    prctl(PR_SET_TIMERSLACK, TimerSlackNs);
    for (;;) {
        m_busy.store(!m_queue.isEmpty());
        QByteArray message;
        const bool taken = m_queue.waitAndPop(message);
        m_busy.store(true);
        if (m_stop.load())
            return;
        if (taken) {
            sendMessage(message);
            --m_unsent;
        }
    }
}

void HIDWriter::sendMessage(QByteArray message)
{
    if (!m_device) {
        logError(this, QStringLiteral("Write error. Device not connected: "));
        return;
    }
    const bool secret = !message.isEmpty() && quint8(message.at(0)) == LoginOperation;
    crc16Append(message);
    const int payload = m_payloadSize.load();
    const QList<QByteArray> reports = split(message, m_counter.load(), payload);
    if (reports.isEmpty()) {
        logError(this, QStringLiteral("Message of %1 bytes refused: it needs more than %2 reports")
                           .arg(message.size())
                           .arg(MaxParts));
        return;
    }
    ++m_counter;
    logTrace(this, QStringLiteral("Sending message, packets count: %1").arg(reports.size()));

    const int total = reports.size();
    int done = 0;
    for (const QByteArray &report : reports) {
        const bool written = sendReport(report, secret);
        ++done;
        if (!written) {
            // The device drops a message with a gap in its parts, so the rest is useless.
            if (done < total) {
                logError(this, QStringLiteral("Message abandoned: %1 of %2 reports not sent")
                                   .arg(total - done)
                                   .arg(total));
            }
            return;
        }
        if (done % 100 == 0 || done == total)
            emit partTransmitted(done, total);
        if (m_stop.load())
            return;
    }
}

bool HIDWriter::sendReport(QByteArray report, bool secret)
{
    // The first poll's millisecond counts from here, so preparing the report is not added
    // to it.
    const auto started = std::chrono::steady_clock::now();
    report.append(QByteArray(ReportSize - report.size(), '\0'));
    if (secret) {
        logTrace(this, QStringLiteral("writing: %1 (login payload hidden) size: %2")
                           .arg(QString::fromLatin1(report.left(HeaderSize).toHex()))
                           .arg(ReportSize));
    } else {
        logTrace(this, QStringLiteral("writing: %1 size: %2")
                           .arg(QString::fromLatin1(report.toHex()))
                           .arg(ReportSize));
    }

    unsigned char context[HidWriteContextSize] = {};
    m_attemptsLeft = AckPolls;
    const auto *data = reinterpret_cast<const unsigned char *>(report.constData());
    if (HidBackend::instance()->writeVoDelay(m_device, data, ReportSize, context) == -1) {
        logWriteError();
        return false;
    }
    return waitForAcknowledgement(context, started);
}

bool HIDWriter::waitForAcknowledgement(unsigned char *context,
                                       std::chrono::steady_clock::time_point started)
{
    int result = -1;
    auto pollAt = started + std::chrono::milliseconds(1);
    while (m_attemptsLeft > 0 && !m_stop.load()) {
        std::this_thread::sleep_until(pollAt);
        pollAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(1);
        result = HidBackend::instance()->writeCheckAck(m_device, context);
        --m_attemptsLeft;
        if (result != -1)
            break;
    }
    if (result == -1) {
        if (m_stop.load())
            return false;
        emit hidFreeze();
        qDebug() << "hidFreeze wait timeout over";
        logError(this, QStringLiteral("hidFreeze wait timeout over"));
        logWriteError();
        return false;
    }
    if (result == -2) {
        logWriteError();
        return false;
    }
    return true;
}

void HIDWriter::logWriteError()
{
    logError(this, QStringLiteral("write error: ") + HidBackend::instance()->errorText(m_device));
}
