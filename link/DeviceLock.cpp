#include "link/DeviceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr int MaxSerialLength = 63;
}

DeviceLock::DeviceLock(const QString &serialNumber) : m_serialNumber(serialNumber) {}

DeviceLock::~DeviceLock()
{
    release();
}

bool DeviceLock::isValidSerialNumber(const QString &serialNumber)
{
    if (serialNumber.isEmpty() || serialNumber.size() > MaxSerialLength)
        return false;
    for (const QChar c : serialNumber) {
        const bool hexDigit = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                              (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                              (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!hexDigit)
            return false;
    }
    return true;
}

QString DeviceLock::filePath() const
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    return QDir(directory).filePath(QStringLiteral("korvel-device-%1.lock").arg(m_serialNumber));
}

int DeviceLock::openLockFile() const
{
    if (!isValidSerialNumber(m_serialNumber))
        return -1;
    const QByteArray path = QFile::encodeName(filePath());
    // Close-on-exec: a program started by this one must not inherit the lock.
    return ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

bool DeviceLock::isHeldElsewhere() const
{
    const int fd = openLockFile();
    if (fd < 0)
        return true;
    // A shared probe never blocks another probe, only an exclusive holder.
    int result;
    do {
        result = ::flock(fd, LOCK_SH | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    const bool held = result != 0;
    ::close(fd);
    return held;
}

bool DeviceLock::acquire()
{
    if (m_fd >= 0)
        return true;
    const int fd = openLockFile();
    if (fd < 0)
        return false;
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void DeviceLock::release()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}
