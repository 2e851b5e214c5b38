#pragma once

#include <QString>
#include <QVector>

#include <cstddef>
#include <cstdint>

#include "link/HidDeviceInfo.h"

// An open device of whichever USB library runs; each backend derives its own.
class HidHandle
{
public:
    virtual ~HidHandle() = default;
};

// Size of the area a caller provides for one acknowledged write (see writeVoDelay).
constexpr std::size_t HidWriteContextSize = 20;

// The one seam between the transport and the USB library. It mirrors the library
// calls the transport makes and nothing more, so a simulated bus can stand in for
// the real one in tests. Every call may come from any thread; a handle is used by at
// most one reading and one writing thread at a time.
class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // The backend every transport object uses. Install another one before the
    // HIDInterface is created; without one, the hidapi backend is created on first use.
    static HidBackend *instance();
    // Does not take ownership; nullptr returns to the hidapi backend.
    static void install(HidBackend *backend);

    virtual QVector<HidDeviceInfo> enumerate(ushort vendorId, ushort productId) = 0;
    // nullptr when the device cannot be opened.
    virtual HidHandle *open(ushort vendorId, ushort productId, const wchar_t *serialNumber) = 0;
    virtual void close(HidHandle *device) = 0;
    // 0 on success, -1 on failure; the text is NUL-terminated within maxLength.
    virtual int productString(HidHandle *device, wchar_t *text, std::size_t maxLength) = 0;
    virtual int setNonBlocking(HidHandle *device, bool nonBlocking) = 0;
    // Bytes read, 0 when nothing came, -1 when the device failed.
    virtual int read(HidHandle *device, unsigned char *data, std::size_t length) = 0;
    virtual int readTimeout(HidHandle *device, unsigned char *data, std::size_t length,
                            int milliseconds) = 0;
    // Starts writing one output report: -1 on failure. The context (HidWriteContextSize
    // bytes, owned by the caller) is handed to every writeCheckAck of that report.
    virtual int writeVoDelay(HidHandle *device, const unsigned char *data, std::size_t length,
                             unsigned char *context) = 0;
    // -1 while the report is not yet acknowledged, -2 when its write failed, anything
    // else once it has been written.
    virtual int writeCheckAck(HidHandle *device, unsigned char *context) = 0;
    // The last error of the device as text; empty when the library gives none.
    virtual QString errorText(HidHandle *device) = 0;
};
