#include "sim/SimDevice.h"

#include <QMetaObject>

#include "link/Crc.h"
#include "sim/SimBus.h"

namespace {
constexpr int ReportSize = 65;
constexpr int HeaderSize = 5;
constexpr quint16 LastPart = 0xFFFF;

QByteArray padded(QByteArray report)
{
    if (report.size() < ReportSize)
        report.append(QByteArray(ReportSize - report.size(), '\0'));
    return report.left(ReportSize);
}
} // namespace

SimDevice::SimDevice(const QString &serial, const QString &product, ushort productId,
                     QObject *parent)
    : QObject(parent), m_serial(serial), m_product(product), m_productId(productId)
{
}

SimDevice::~SimDevice()
{
    SimBus *bus = nullptr;
    {
        std::lock_guard<std::mutex> guard(SimBus::lock());
        bus = m_bus;
    }
    if (bus)
        bus->unplug(this);
}

bool SimDevice::isPlugged() const
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    return m_bus != nullptr;
}

void SimDevice::setMessageHandler(std::function<void(const QByteArray &)> handler)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_handler = std::move(handler);
}

void SimDevice::sendMessage(const QByteArray &message)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    if (!m_bus)
        return;
    const QList<QByteArray> reports = frameLocked(message);
    int sent = 0;
    for (const QByteArray &report : reports) {
        if (m_unplugDuringMessage >= 0 && sent == m_unplugDuringMessage)
            break;
        m_bus->queueToHostLocked(this, report);
        ++sent;
    }
    if (m_unplugDuringMessage >= 0) {
        m_unplugDuringMessage = -1;
        m_bus->unplugLocked(this);
    }
}

void SimDevice::sendReport(const QByteArray &report)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    if (m_bus)
        m_bus->queueToHostLocked(this, padded(report));
}

void SimDevice::setPayloadSize(int size)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_payloadSize = qBound(1, size, ReportSize - HeaderSize);
}

void SimDevice::setAckPolls(int polls)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_ackPolls = qBound(0, polls, 255);
}

void SimDevice::failStartCalls(int reports)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_startFailures = reports;
}

void SimDevice::failChecks(int reports)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_checkFailures = reports;
}

void SimDevice::withholdAcks(int reports)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_withheldAcks = reports;
}

void SimDevice::breakCrcOfNextMessages(int messages)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_brokenCrcMessages = messages;
}

void SimDevice::reorderNextMessages(int messages)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_reorderedMessages = messages;
}

void SimDevice::unplugAfterHostReports(int reports)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_unplugAfterHostReports = reports;
}

void SimDevice::unplugDuringNextMessage(int reportsSent)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_unplugDuringMessage = reportsSent;
}

void SimDevice::failOpen(bool fail)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_failOpen = fail;
}

void SimDevice::failProductString(bool fail)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_failProductString = fail;
}

void SimDevice::setInterfaceCount(int count)
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_interfaceCount = qMax(1, count);
}

QList<QByteArray> SimDevice::hostReports() const
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    return m_hostReports;
}

QList<QByteArray> SimDevice::receivedMessages() const
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    return m_receivedMessages;
}

int SimDevice::brokenMessages() const
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    return m_brokenMessages;
}

void SimDevice::clearRecords()
{
    std::lock_guard<std::mutex> guard(SimBus::lock());
    m_hostReports.clear();
    m_receivedMessages.clear();
    m_brokenMessages = 0;
}

SimDevice::Outcome SimDevice::takeHostReportLocked(const QByteArray &report, bool &unplugNow)
{
    m_hostReports.append(report);
    Outcome outcome = Outcome::Accepted;
    if (m_checkFailures > 0) {
        --m_checkFailures;
        outcome = Outcome::Lost;
    } else if (m_withheldAcks > 0) {
        --m_withheldAcks;
        outcome = Outcome::NeverAcknowledged;
    } else {
        assembleLocked(report);
    }
    if (m_unplugAfterHostReports > 0 && --m_unplugAfterHostReports == 0)
        unplugNow = true;
    return outcome;
}

void SimDevice::assembleLocked(const QByteArray &report)
{
    if (report.size() < HeaderSize) {
        ++m_brokenMessages;
        m_collecting = false;
        return;
    }
    const auto *bytes = reinterpret_cast<const quint8 *>(report.constData());
    const quint8 counter = bytes[1];
    const quint16 part = quint16(bytes[2] | (bytes[3] << 8));
    const int length = qMin<int>(bytes[4], report.size() - HeaderSize);
    const QByteArray payload = report.mid(HeaderSize, length);

    if (part == 0) {
        if (m_collecting)
            ++m_brokenMessages; // the previous message never got its last part
        m_buffer = payload;
        m_collectingCounter = counter;
        m_nextPart = 1;
        m_collecting = true;
        return;
    }
    if (part == LastPart) {
        if (m_collecting && counter == m_collectingCounter) {
            m_buffer.append(payload);
        } else {
            if (m_collecting)
                ++m_brokenMessages;
            m_buffer = payload;
        }
        m_collecting = false;
        if (m_buffer.size() < 2) {
            ++m_brokenMessages;
            return;
        }
        const QByteArray message = m_buffer.left(m_buffer.size() - 2);
        const auto *tail =
            reinterpret_cast<const quint8 *>(m_buffer.constData()) + m_buffer.size() - 2;
        if (crc16Of(message) != quint16(tail[0] | (tail[1] << 8))) {
            ++m_brokenMessages;
            return;
        }
        deliverLocked(message);
        return;
    }
    if (m_collecting && counter == m_collectingCounter && part == m_nextPart) {
        m_buffer.append(payload);
        ++m_nextPart;
        return;
    }
    if (m_collecting)
        ++m_brokenMessages;
    m_collecting = false;
}

void SimDevice::deliverLocked(const QByteArray &message)
{
    m_receivedMessages.append(message);
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            std::function<void(const QByteArray &)> handler;
            {
                std::lock_guard<std::mutex> guard(SimBus::lock());
                handler = m_handler;
            }
            if (handler)
                handler(message);
            emit messageReceived(message);
        },
        Qt::QueuedConnection);
}

QList<QByteArray> SimDevice::frameLocked(const QByteArray &message)
{
    QByteArray data = message;
    crc16Append(data);
    if (m_brokenCrcMessages > 0) {
        --m_brokenCrcMessages;
        data[data.size() - 1] = char(data.at(data.size() - 1) ^ 0x5A);
    }
    const quint8 counter = m_counter++;
    QList<QByteArray> reports;
    for (int offset = 0, part = 0; offset < data.size(); offset += m_payloadSize, ++part) {
        const int length = qMin(m_payloadSize, data.size() - offset);
        const bool last = offset + length >= data.size();
        const quint16 index = last ? LastPart : quint16(part);
        QByteArray report;
        report.append(char(3));
        report.append(char(counter));
        report.append(char(index & 0xFF));
        report.append(char(index >> 8));
        report.append(char(length));
        report.append(data.mid(offset, length));
        reports.append(padded(report));
    }
    if (m_reorderedMessages > 0) {
        --m_reorderedMessages;
        if (reports.size() >= 3)
            reports.swapItemsAt(1, 2);
        else if (reports.size() == 2)
            reports.swapItemsAt(0, 1);
    }
    return reports;
}
