#include "link/HidapiBackend.h"

#include <hidapi.h>

#include "link/HidWriteAck.h"

namespace {

class HidapiHandle : public HidHandle
{
public:
    explicit HidapiHandle(hid_device *device) : device(device) {}

    hid_device *const device;
    std::mutex mutex;
};

HidapiHandle *handleOf(HidHandle *device)
{
    return static_cast<HidapiHandle *>(device);
}

QString fromWide(const wchar_t *text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

HidDeviceInfo copyOf(const hid_device_info &record)
{
    HidDeviceInfo info;
    info.path = QString::fromLocal8Bit(record.path);
    info.vendorId = record.vendor_id;
    info.productId = record.product_id;
    info.hasSerialNumber = record.serial_number != nullptr;
    info.serialNumber = fromWide(record.serial_number);
    info.releaseNumber = record.release_number;
    info.manufacturer = fromWide(record.manufacturer_string);
    info.product = fromWide(record.product_string);
    info.usagePage = record.usage_page;
    info.usage = record.usage;
    info.interfaceNumber = record.interface_number;
    return info;
}

} // namespace

HidapiBackend::HidapiBackend()
{
    hid_init();
}

HidapiBackend::~HidapiBackend()
{
    hid_exit();
}

QVector<HidDeviceInfo> HidapiBackend::enumerate(ushort vendorId, ushort productId)
{
    std::lock_guard<std::mutex> lock(m_libraryMutex);
    QVector<HidDeviceInfo> records;
    hid_device_info *first = hid_enumerate(vendorId, productId);
    for (hid_device_info *record = first; record; record = record->next)
        records.append(copyOf(*record));
    hid_free_enumeration(first);
    return records;
}

HidHandle *HidapiBackend::open(ushort vendorId, ushort productId, const wchar_t *serialNumber)
{
    std::lock_guard<std::mutex> lock(m_libraryMutex);
    hid_device *device = hid_open(vendorId, productId, serialNumber);
    return device ? new HidapiHandle(device) : nullptr;
}

void HidapiBackend::close(HidHandle *device)
{
    if (!device)
        return;
    std::lock_guard<std::mutex> lock(m_libraryMutex);
    hid_close(handleOf(device)->device);
    delete device;
}

int HidapiBackend::productString(HidHandle *device, wchar_t *text, std::size_t maxLength)
{
    HidapiHandle *handle = handleOf(device);
    std::lock_guard<std::mutex> lock(handle->mutex);
    return hid_get_product_string(handle->device, text, maxLength);
}

int HidapiBackend::setNonBlocking(HidHandle *device, bool nonBlocking)
{
    HidapiHandle *handle = handleOf(device);
    std::lock_guard<std::mutex> lock(handle->mutex);
    return hid_set_nonblocking(handle->device, nonBlocking ? 1 : 0);
}

int HidapiBackend::read(HidHandle *device, unsigned char *data, std::size_t length)
{
    return hid_read(handleOf(device)->device, data, length);
}

int HidapiBackend::readTimeout(HidHandle *device, unsigned char *data, std::size_t length,
                               int milliseconds)
{
    return hid_read_timeout(handleOf(device)->device, data, length, milliseconds);
}

int HidapiBackend::writeVoDelay(HidHandle *device, const unsigned char *data, std::size_t length,
                                unsigned char *context)
{
    HidapiHandle *handle = handleOf(device);
    std::lock_guard<std::mutex> lock(handle->mutex);
    return hid_write_vo_delay(handle->device, data, length, context);
}

int HidapiBackend::writeCheckAck(HidHandle *device, unsigned char *context)
{
    HidapiHandle *handle = handleOf(device);
    std::lock_guard<std::mutex> lock(handle->mutex);
    return hid_write_check_ack(handle->device, context);
}

QString HidapiBackend::errorText(HidHandle *device)
{
    HidapiHandle *handle = handleOf(device);
    std::lock_guard<std::mutex> lock(handle->mutex);
    return fromWide(hid_error(handle->device));
}
