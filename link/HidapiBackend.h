#pragma once

#include <mutex>

#include "link/HidBackend.h"

// The production backend: hidapi over hidraw. hidapi keeps its last-error texts
// unguarded, so calls that touch them are serialised: enumeration, opening and
// closing process-wide, the other calls per device. Reading may run beside them on
// its own thread, which hidapi allows.
class HidapiBackend : public HidBackend
{
public:
    HidapiBackend();
    ~HidapiBackend() override;

    QVector<HidDeviceInfo> enumerate(ushort vendorId, ushort productId) override;
    HidHandle *open(ushort vendorId, ushort productId, const wchar_t *serialNumber) override;
    void close(HidHandle *device) override;
    int productString(HidHandle *device, wchar_t *text, std::size_t maxLength) override;
    int setNonBlocking(HidHandle *device, bool nonBlocking) override;
    int read(HidHandle *device, unsigned char *data, std::size_t length) override;
    int readTimeout(HidHandle *device, unsigned char *data, std::size_t length,
                    int milliseconds) override;
    int writeVoDelay(HidHandle *device, const unsigned char *data, std::size_t length,
                     unsigned char *context) override;
    int writeCheckAck(HidHandle *device, unsigned char *context) override;
    QString errorText(HidHandle *device) override;

private:
    std::mutex m_libraryMutex;
};
