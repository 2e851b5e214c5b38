#include "link/HIDConnection.h"

#include <QThread>

#include <vector>

#include "app/Logger.h"
#include "link/Crc.h"
#include "link/HIDPing.h"
#include "link/HIDReader.h"
#include "link/HIDWriter.h"
#include "link/HidBackend.h"

namespace {
constexpr int ReportHeaderSize = 5;
constexpr int CrcSize = 2;
constexpr int ShortLogLimit = 256;
constexpr int LoggedPrefix = 10;
} // namespace

HIDConnection::HIDConnection(const HidDeviceInfo &device, ushort pid, ushort vid)
    : m_productId(pid), m_vendorId(vid), m_lock(device.serialNumber), m_deviceInfo(device)
{
}

HIDConnection::~HIDConnection()
{
    stopProbe();
    stopInputOutput();
    closeDevice();
    m_lock.release();
}

void HIDConnection::open()
{
    if (m_state == NoState || m_state == Opened || m_state == Deactivated)
        enterOpened();
}

void HIDConnection::activate()
{
    if (m_state == Opened || m_state == Deactivated)
        enterActive();
}

void HIDConnection::deactivate()
{
    if (m_state == Active)
        enterDeactivated(true);
}

void HIDConnection::close()
{
    enterClosed();
}

bool HIDConnection::isFree() const
{
    if (m_state == Active)
        return true;
    return !m_lock.isHeldElsewhere();
}

void HIDConnection::send(const QByteArray &message)
{
    if (m_state == Active && m_writer)
        m_writer->write(message);
}

bool HIDConnection::isWriterBusy() const
{
    return m_writer && m_writer->isBusy();
}

bool HIDConnection::isWriterIdle() const
{
    return !m_writer || m_writer->isIdle();
}

void HIDConnection::createWriter()
{
    // A writer runs only beside the reader of an active connection.
    if (m_writer || !m_device || m_state != Active)
        return;
    m_writer = new HIDWriter(m_device, this, m_nextWriterCounter);
    m_writer->setPayloadSize(m_payloadSize);
    connect(m_writer, &HIDWriter::partTransmitted, this, &HIDConnection::partTransmitted);
}

void HIDConnection::stopWriter()
{
    if (!m_writer)
        return;
    m_writer->stop();
    m_nextWriterCounter = m_writer->nextCounter();
    delete m_writer;
    m_writer = nullptr;
}

void HIDConnection::setPayloadSize(int size)
{
    if (size < 1 || size > HIDWriter::MaxPayloadSize) {
        logWarning(this, QStringLiteral("Payload size %1 refused: it must be 1..%2")
                             .arg(size)
                             .arg(HIDWriter::MaxPayloadSize));
        return;
    }
    m_payloadSize = size;
    if (m_writer)
        m_writer->setPayloadSize(size);
}

void HIDConnection::onReaderStopped()
{
    // A probe that failed on its way out may report again after the connection closed.
    if (m_state == Closed)
        return;
    if (m_state == Active)
        enterDeactivated(false);
    enterClosed();
    emit disconnected(this);
}

// ---- states ----

void HIDConnection::enterOpened()
{
    const QString serial = m_deviceInfo.serialNumber;
    if (serial.size() > MaxSerialLength) {
        m_state = Closed;
        return;
    }
    stopProbe();
    closeDevice();

    std::vector<wchar_t> wideSerial(MaxSerialLength + 1, L'\0');
    serial.toWCharArray(wideSerial.data());
    HidBackend *backend = HidBackend::instance();
    HidHandle *device = backend->open(m_vendorId, m_productId, wideSerial.data());
    if (!device) {
        m_state = Closed;
        return;
    }
    std::vector<wchar_t> product(ProductStringLength, L'\0');
    if (backend->productString(device, product.data(), product.size()) != 0) {
        // Nothing may probe or use a device we cannot even name.
        logWarning(
            this, QStringLiteral("Product string of %1 cannot be read; device closed").arg(serial));
        backend->close(device);
        m_state = Closed;
        return;
    }
    backend->setNonBlocking(device, true);
    m_device = device;
    m_state = Opened;
    startProbe();
    emit connected();
}

void HIDConnection::enterActive()
{
    if (!isFree() || !m_lock.acquire()) {
        // Another copy of the program uses the device: stay as we are.
        m_state = Opened;
        return;
    }
    stopProbe();
    m_reader = new HIDReader(m_device, &m_receivedReports, this);
    // Each activation starts a fresh run of message counters.
    m_nextWriterCounter = 0;
    m_writer = new HIDWriter(m_device, this);
    watchForRemoval(m_reader, &HIDReader::stopped);
    connect(m_reader, &HIDReader::dataReceived, this, &HIDConnection::onDataReceived,
            Qt::DirectConnection);
    connect(m_writer, &HIDWriter::partTransmitted, this, &HIDConnection::partTransmitted);
    m_reader->start();
    m_state = Active;
}

void HIDConnection::enterDeactivated(bool probe)
{
    pauseReader();
    stopInputOutput();
    m_lock.release();
    if (probe)
        startProbe();
    m_state = Deactivated;
}

void HIDConnection::enterClosed()
{
    stopProbe();
    pauseReader();
    stopInputOutput();
    closeDevice();
    m_lock.release();
    m_state = Closed;
}

// ---- steps shared by the states ----

void HIDConnection::pauseReader()
{
    if (!m_reader)
        return;
    m_reader->pause();
    // A reader whose read failed has nothing left to settle.
    if (m_reader->isRunning())
        QThread::msleep(ReaderPauseMs);
}

void HIDConnection::stopInputOutput()
{
    if (m_reader) {
        ++m_watcherGeneration;
        m_reader->stop();
        delete m_reader;
        m_reader = nullptr;
    }
    stopWriter();
}

void HIDConnection::startProbe()
{
    if (m_probe || !m_device)
        return;
    m_probe = new HIDPing(m_device);
    watchForRemoval(m_probe, &HIDPing::disconnected);
}

void HIDConnection::stopProbe()
{
    if (m_probe)
        ++m_watcherGeneration;
    delete m_probe;
    m_probe = nullptr;
}

void HIDConnection::closeDevice()
{
    if (!m_device)
        return;
    HidBackend::instance()->close(m_device);
    m_device = nullptr;
}

template <typename Watcher, typename Signal>
void HIDConnection::watchForRemoval(Watcher *watcher, Signal removed)
{
    // The report comes queued from the watcher's thread and may arrive after that
    // watcher has been replaced, e.g. by the reader of a fresh activation; only the
    // current watcher's report counts.
    const quint64 generation = ++m_watcherGeneration;
    connect(watcher, removed, this, [this, generation] {
        if (generation == m_watcherGeneration)
            onReaderStopped();
    });
}

// ---- reassembly, in the reader's thread ----

void HIDConnection::onDataReceived()
{
    QByteArray report;
    while (m_receivedReports.tryPop(report)) {
        if (report.size() < ReportHeaderSize) {
            logWarning(this, QStringLiteral("report of %1 bytes dropped: shorter than its header")
                                 .arg(report.size()));
            continue;
        }
        const auto *bytes = reinterpret_cast<const quint8 *>(report.constData());
        const quint8 counter = bytes[1];
        const quint16 index = quint16(bytes[2] | (bytes[3] << 8));
        const int length = qMin<int>(bytes[4], report.size() - ReportHeaderSize);
        const QByteArray payload = report.mid(ReportHeaderSize, length);

        if (index == 0) {
            m_messageBuffer.clear();
            m_messageCounter = counter;
            m_lastPartIndex = 0;
            m_messageBuffer.append(payload);
        } else if (index == HIDWriter::LastPartIndex) {
            if (counter != m_messageCounter) {
                m_messageBuffer.clear();
                m_messageCounter = counter;
            }
            m_messageBuffer.append(payload);
            m_lastPartIndex = HIDWriter::LastPartIndex;
            checkMessage();
        } else if (counter == m_messageCounter && int(index) == int(m_lastPartIndex) + 1) {
            m_lastPartIndex = index;
            m_messageBuffer.append(payload);
        } else {
            logWarning(this, QStringLiteral("wrong message part received"));
            m_messageBuffer.clear();
            return;
        }
    }
}

void HIDConnection::checkMessage()
{
    if (m_messageBuffer.size() < CrcSize) {
        logWarning(this, QStringLiteral("broken message: %1 bytes, shorter than its CRC")
                             .arg(m_messageBuffer.size()));
        m_messageBuffer.clear();
        return;
    }
    const int size = m_messageBuffer.size() - CrcSize;
    const auto *tail = reinterpret_cast<const quint8 *>(m_messageBuffer.constData() + size);
    const quint16 received = quint16(tail[0] | (tail[1] << 8));
    const QByteArray message = m_messageBuffer.left(size);
    m_messageBuffer.clear();
    const quint16 computed = crc16Of(message);

    if (received == computed) {
        if (message.size() < ShortLogLimit) {
            logTrace(this,
                     QStringLiteral("message received: ") + QString::fromLatin1(message.toHex()));
        } else {
            logTrace(this, QStringLiteral("message received: too long to display"));
            logTrace(this, QString::fromLatin1(message.left(LoggedPrefix).toHex()));
        }
        emit messageReceived(message);
        return;
    }
    if (message.size() < ShortLogLimit)
        logTrace(this, QString::fromLatin1(message.toHex()));
    logWarning(this, QStringLiteral("broken crc. Expected: %2 received: %1")
                         .arg(received, 0, 16)
                         .arg(computed, 0, 16));
}
