#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "link/HidDeviceInfo.h"

// Looks for communicators once a second in a task of its own and announces every
// serial number it has not announced before.
class HIDDeviceFinder : public QObject
{
    Q_OBJECT
public:
    static constexpr ushort VendorId = 0x0483;
    static constexpr ushort ProductIds[] = {0x5710, 0x9005};
    static constexpr int ScanPeriodMs = 1000;

    explicit HIDDeviceFinder(QObject *parent = nullptr);
    ~HIDDeviceFinder() override;

    // The device is announced again at the next scan if it is still there.
    void forget(const QString &serial);
    // A serial number must be hexadecimal digits that fit a signed 64-bit number.
    static bool isValidSerialNumber(const QString &serial);

public slots:
    void init();
    void onDisableFindTimer();
    void onEnableFindTimer();

signals:
    void newDeviceConnected(HidDeviceInfo device, ushort in_pid, ushort in_vid);

private:
    void run();
    void scan(ushort vendorId, ushort productId);

    QList<QString> m_knownSerials;
    std::mutex m_mutex;
    std::condition_variable m_wakeUp;
    bool m_stop = false;
    std::thread m_task;
};
