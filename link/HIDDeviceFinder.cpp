#include "link/HIDDeviceFinder.h"

#include <chrono>
#include <pthread.h>

#include "app/Logger.h"
#include "link/HidBackend.h"

HIDDeviceFinder::HIDDeviceFinder(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<HidDeviceInfo>("HidDeviceInfo");
    logDebug(this, QStringLiteral("Created"));
    init();
}

HIDDeviceFinder::~HIDDeviceFinder()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wakeUp.notify_all();
    if (m_task.joinable())
        m_task.join();
}

void HIDDeviceFinder::init()
{
    if (m_task.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = false;
    }
    m_task = std::thread([this] { run(); });
}

void HIDDeviceFinder::onDisableFindTimer()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    logDebug(this, tr("Disable HID device find timer"));
}

void HIDDeviceFinder::onEnableFindTimer()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    logDebug(this, tr("Enable HID device find timer"));
}

void HIDDeviceFinder::forget(const QString &serial)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_knownSerials.removeOne(serial);
}

bool HIDDeviceFinder::isValidSerialNumber(const QString &serial)
{
    if (serial.isEmpty())
        return false;
    for (const QChar c : serial) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    }
    bool ok = false;
    serial.toLongLong(&ok, 16);
    return ok;
}

void HIDDeviceFinder::run()
{
    pthread_setname_np(pthread_self(), "hid-finder");
    for (;;) {
        for (const ushort productId : ProductIds)
            scan(VendorId, productId);
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_wakeUp.wait_for(lock, std::chrono::milliseconds(ScanPeriodMs),
                              [this] { return m_stop; }))
            return;
    }
}

void HIDDeviceFinder::scan(ushort vendorId, ushort productId)
{
    const QVector<HidDeviceInfo> records = HidBackend::instance()->enumerate(vendorId, productId);
    for (const HidDeviceInfo &record : records) {
        if (!record.hasSerialNumber || !isValidSerialNumber(record.serialNumber)) {
            logError(this, tr("Device hang, please reconnect."));
            continue;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stop)
            return;
        if (m_knownSerials.contains(record.serialNumber))
            continue;
        logDebug(this, tr("New device connected: %1").arg(record.serialNumber));
        logDebug(this, tr("VID: %1  PID: %2").arg(record.vendorId).arg(record.productId));
        logDebug(this, tr("Manufacturer: %1").arg(record.manufacturer));
        logDebug(this, tr("Product: %1").arg(record.product));
        emit newDeviceConnected(record, productId, vendorId);
        m_knownSerials.append(record.serialNumber);
    }
}
