#pragma once

#include <QList>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "link/HidBackend.h"

class SimDevice;

// A simulated USB bus standing in for hidapi behind the transport's seam. Creating it
// installs it as the backend (do so before the HIDInterface); destroying it, after the
// interface, restores the real one.
class SimBus : public HidBackend
{
public:
    SimBus();
    ~SimBus() override;
    SimBus(const SimBus &) = delete;
    SimBus &operator=(const SimBus &) = delete;

    void plug(SimDevice *device);
    // Open handles of the device fail from now on, as after a real unplug.
    void unplug(SimDevice *device);
    // An enumeration record with no device behind it (e.g. a broken serial number).
    void addStrayRecord(const HidDeviceInfo &record);
    int openHandleCount(const SimDevice *device) const;
    // Enumeration calls so far: a test waits for whole scans with it.
    int enumerationCount() const;
    // Paces the link like a full-speed interrupt endpoint: at most one report per interval
    // in each direction (0: no pacing).
    void setReportInterval(std::chrono::microseconds interval);
    // Reports handed to the host's reader so far.
    int reportsToHost() const;

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
    friend class SimDevice;
    class Handle;

    // One lock for the whole simulation: bus, devices and handles.
    static std::mutex &lock();
    static std::condition_variable &readable();

    void queueToHostLocked(SimDevice *device, const QByteArray &report);
    void unplugLocked(SimDevice *device);
    int readLocked(std::unique_lock<std::mutex> &guard, Handle *handle, unsigned char *data,
                   std::size_t length, int milliseconds);

    QList<SimDevice *> m_devices;
    QList<HidDeviceInfo> m_strayRecords;
    QList<Handle *> m_handles;
    int m_enumerations = 0;
    std::chrono::microseconds m_reportInterval{0};
    std::chrono::steady_clock::time_point m_lastHostAck{};
    int m_reportsToHost = 0;
};
