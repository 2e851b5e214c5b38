#include "sim/SimBus.h"

#include <QByteArray>

#include <chrono>
#include <cstring>
#include <deque>

#include "sim/SimDevice.h"

namespace {
constexpr int ReportSize = 65;

enum AckState : unsigned char
{
    Pending = 1,
    Lost = 2,
    NeverAcknowledged = 3,
};
} // namespace

class SimBus::Handle : public HidHandle
{
public:
    SimDevice *device = nullptr;
    std::deque<QByteArray> input;
    bool dead = false;
    bool nonBlocking = false;
    QString error;
    // When each queued report reaches the host: one per interval, like USB frames.
    std::deque<std::chrono::steady_clock::time_point> due;
    std::chrono::steady_clock::time_point lastDue{};
};

std::mutex &SimBus::lock()
{
    static std::mutex mutex;
    return mutex;
}

std::condition_variable &SimBus::readable()
{
    static std::condition_variable condition;
    return condition;
}

SimBus::SimBus()
{
    HidBackend::install(this);
}

SimBus::~SimBus()
{
    HidBackend::install(nullptr);
    std::lock_guard<std::mutex> guard(lock());
    for (SimDevice *device : qAsConst(m_devices))
        device->m_bus = nullptr;
    m_devices.clear();
    qDeleteAll(m_handles);
    m_handles.clear();
}

void SimBus::plug(SimDevice *device)
{
    std::lock_guard<std::mutex> guard(lock());
    if (device->m_bus)
        return;
    device->m_bus = this;
    // A device that comes back starts from a clean slate, like after a USB reset.
    device->m_collecting = false;
    device->m_buffer.clear();
    device->m_counter = 0;
    m_devices.append(device);
}

void SimBus::unplug(SimDevice *device)
{
    std::lock_guard<std::mutex> guard(lock());
    unplugLocked(device);
}

void SimBus::unplugLocked(SimDevice *device)
{
    if (device->m_bus != this)
        return;
    device->m_bus = nullptr;
    m_devices.removeOne(device);
    for (Handle *handle : qAsConst(m_handles)) {
        if (handle->device == device) {
            handle->device = nullptr;
            handle->dead = true;
        }
    }
    readable().notify_all();
}

void SimBus::addStrayRecord(const HidDeviceInfo &record)
{
    std::lock_guard<std::mutex> guard(lock());
    m_strayRecords.append(record);
}

int SimBus::openHandleCount(const SimDevice *device) const
{
    std::lock_guard<std::mutex> guard(lock());
    int count = 0;
    for (const Handle *handle : m_handles)
        count += handle->device == device ? 1 : 0;
    return count;
}

int SimBus::enumerationCount() const
{
    std::lock_guard<std::mutex> guard(lock());
    return m_enumerations;
}

QVector<HidDeviceInfo> SimBus::enumerate(ushort vendorId, ushort productId)
{
    std::lock_guard<std::mutex> guard(lock());
    ++m_enumerations;
    QVector<HidDeviceInfo> records;
    for (const SimDevice *device : qAsConst(m_devices)) {
        if (device->VendorId != vendorId || device->productId() != productId)
            continue;
        for (int interface = 0; interface < device->m_interfaceCount; ++interface) {
            HidDeviceInfo record;
            record.path = QStringLiteral("/sim/%1/%2").arg(device->serial()).arg(interface);
            record.vendorId = vendorId;
            record.productId = productId;
            record.serialNumber = device->serial();
            record.hasSerialNumber = true;
            record.manufacturer = QStringLiteral("Simulated");
            record.product = device->product();
            record.interfaceNumber = interface;
            records.append(record);
        }
    }
    for (const HidDeviceInfo &record : qAsConst(m_strayRecords)) {
        if (record.vendorId == vendorId && record.productId == productId)
            records.append(record);
    }
    return records;
}

HidHandle *SimBus::open(ushort vendorId, ushort productId, const wchar_t *serialNumber)
{
    const QString serial = QString::fromWCharArray(serialNumber);
    std::lock_guard<std::mutex> guard(lock());
    for (SimDevice *device : qAsConst(m_devices)) {
        if (device->VendorId != vendorId || device->productId() != productId ||
            device->serial() != serial)
            continue;
        if (device->m_failOpen)
            return nullptr;
        auto *handle = new Handle;
        handle->device = device;
        m_handles.append(handle);
        return handle;
    }
    return nullptr;
}

void SimBus::close(HidHandle *device)
{
    std::lock_guard<std::mutex> guard(lock());
    auto *handle = static_cast<Handle *>(device);
    if (m_handles.removeOne(handle))
        delete handle;
}

int SimBus::productString(HidHandle *device, wchar_t *text, std::size_t maxLength)
{
    std::lock_guard<std::mutex> guard(lock());
    auto *handle = static_cast<Handle *>(device);
    if (!handle->device || handle->device->m_failProductString || maxLength == 0) {
        handle->error = QStringLiteral("product string unavailable");
        return -1;
    }
    const QString product = handle->device->product().left(int(maxLength) - 1);
    const int written = product.toWCharArray(text);
    text[written] = L'\0';
    return 0;
}

int SimBus::setNonBlocking(HidHandle *device, bool nonBlocking)
{
    std::lock_guard<std::mutex> guard(lock());
    static_cast<Handle *>(device)->nonBlocking = nonBlocking;
    return 0;
}

int SimBus::read(HidHandle *device, unsigned char *data, std::size_t length)
{
    auto *handle = static_cast<Handle *>(device);
    std::unique_lock<std::mutex> guard(lock());
    return readLocked(guard, handle, data, length, handle->nonBlocking ? 0 : -1);
}

int SimBus::readTimeout(HidHandle *device, unsigned char *data, std::size_t length,
                        int milliseconds)
{
    std::unique_lock<std::mutex> guard(lock());
    return readLocked(guard, static_cast<Handle *>(device), data, length, milliseconds);
}

int SimBus::readLocked(std::unique_lock<std::mutex> &guard, Handle *handle, unsigned char *data,
                       std::size_t length, int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    auto ready = [handle] {
        return handle->dead || (!handle->input.empty() && Clock::now() >= handle->due.front());
    };
    // Without input wait for it; with input held back by pacing, wait for its turn.
    const auto deadline = milliseconds < 0 ? Clock::time_point::max()
                                           : Clock::now() + std::chrono::milliseconds(milliseconds);
    while (milliseconds != 0 && !ready() && Clock::now() < deadline) {
        if (handle->input.empty() && milliseconds < 0)
            readable().wait(guard);
        else if (handle->input.empty())
            readable().wait_until(guard, deadline);
        else
            readable().wait_until(guard, std::min(deadline, handle->due.front()));
    }
    if (!ready())
        return 0;

    if (!handle->input.empty()) {
        const QByteArray report = handle->input.front();
        handle->input.pop_front();
        handle->due.pop_front();
        ++m_reportsToHost;
        const std::size_t count = qMin<std::size_t>(length, std::size_t(report.size()));
        memcpy(data, report.constData(), count);
        return int(count);
    }
    if (handle->dead) {
        handle->error = QStringLiteral("device unplugged");
        return -1;
    }
    return 0;
}

int SimBus::writeVoDelay(HidHandle *device, const unsigned char *data, std::size_t length,
                         unsigned char *context)
{
    std::lock_guard<std::mutex> guard(lock());
    auto *handle = static_cast<Handle *>(device);
    if (handle->dead || !handle->device) {
        handle->error = QStringLiteral("device unplugged");
        return -1;
    }
    SimDevice *target = handle->device;
    if (target->m_startFailures > 0) {
        --target->m_startFailures;
        handle->error = QStringLiteral("simulated start failure");
        return -1;
    }
    const QByteArray report(reinterpret_cast<const char *>(data), int(length));
    bool unplugNow = false;
    switch (target->takeHostReportLocked(report, unplugNow)) {
    case SimDevice::Outcome::Accepted: {
        context[0] = Pending;
        context[1] = quint8(qMin(target->m_ackPolls, 255));
        // With pacing the acknowledgement waits for the report's slot on the link.
        const auto now = std::chrono::steady_clock::now();
        const auto ackAt = std::max(now, m_lastHostAck + m_reportInterval);
        m_lastHostAck = ackAt;
        const qint64 ticks = ackAt.time_since_epoch().count();
        memcpy(context + 4, &ticks, sizeof ticks);
        break;
    }
    case SimDevice::Outcome::Lost:
        context[0] = Lost;
        handle->error = QStringLiteral("simulated write failure");
        break;
    case SimDevice::Outcome::NeverAcknowledged:
        context[0] = NeverAcknowledged;
        handle->error = QStringLiteral("simulated missing acknowledgement");
        break;
    }
    if (unplugNow)
        unplugLocked(target);
    return 0;
}

int SimBus::writeCheckAck(HidHandle *, unsigned char *context)
{
    std::lock_guard<std::mutex> guard(lock());
    switch (context[0]) {
    case Pending: {
        qint64 ticks = 0;
        memcpy(&ticks, context + 4, sizeof ticks);
        const std::chrono::steady_clock::time_point ackAt{
            std::chrono::steady_clock::duration(ticks)};
        if (std::chrono::steady_clock::now() < ackAt)
            return -1;
        if (context[1] > 0) {
            --context[1];
            return -1;
        }
        return ReportSize;
    }
    case NeverAcknowledged:
        return -1;
    default:
        return -2;
    }
}

QString SimBus::errorText(HidHandle *device)
{
    std::lock_guard<std::mutex> guard(lock());
    return static_cast<Handle *>(device)->error;
}

void SimBus::queueToHostLocked(SimDevice *device, const QByteArray &report)
{
    for (Handle *handle : qAsConst(m_handles)) {
        if (handle->device == device) {
            handle->input.push_back(report);
            const auto due =
                std::max(std::chrono::steady_clock::now(), handle->lastDue + m_reportInterval);
            handle->due.push_back(due);
            handle->lastDue = due;
        }
    }
    readable().notify_all();
}

void SimBus::setReportInterval(std::chrono::microseconds interval)
{
    std::lock_guard<std::mutex> guard(lock());
    m_reportInterval = interval;
}

int SimBus::reportsToHost() const
{
    std::lock_guard<std::mutex> guard(lock());
    return m_reportsToHost;
}
