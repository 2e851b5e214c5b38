#pragma once

#include <QString>

// The lock that lets one running copy of the program use a device at a time: an
// exclusive flock on a file named after the device's serial number in the user's
// runtime directory. The kernel drops it when its holder exits, however it exits.
class DeviceLock
{
public:
    explicit DeviceLock(const QString &serialNumber);
    ~DeviceLock();
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;

    // True when another holder has the lock; takes nothing. A serial number that
    // cannot name a file counts as held.
    bool isHeldElsewhere() const;
    // Takes the lock without waiting; false when someone else holds it.
    bool acquire();
    void release();
    bool isHeld() const { return m_fd >= 0; }

    // Serial numbers are hexadecimal digits, so they are safe in a file name.
    static bool isValidSerialNumber(const QString &serialNumber);
    QString filePath() const;

private:
    int openLockFile() const;

    QString m_serialNumber;
    int m_fd = -1;
};
