#include "link/HIDReader.h"

#include <QByteArray>

#include <chrono>
#include <pthread.h>

#include "app/Logger.h"
#include "link/HidBackend.h"
#include "link/ReportQueue.h"

HIDReader::HIDReader(HidHandle *device, ReportQueue *queue, QObject *parent)
    : QObject(parent), m_device(device), m_queue(queue)
{
    logTrace(this, QStringLiteral("Created"));
}

HIDReader::~HIDReader()
{
    stop();
}

void HIDReader::start()
{
    if (m_task.joinable())
        m_task.join();
    m_stop.store(false);
    m_pause.store(false);
    m_running.store(true);
    m_task = std::thread([this] { run(); });
}

void HIDReader::pause()
{
    m_pause.store(true);
}

void HIDReader::stop()
{
    if (m_stop.exchange(true))
        return;
    if (m_task.joinable())
        m_task.join();
}

void HIDReader::run()
{
    pthread_setname_np(pthread_self(), "hid-reader");
    logTrace(this, QStringLiteral("Listening to HID device"));
    unsigned char buffer[65] = {};
    while (!m_stop.load()) {
        if (m_pause.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(PauseStepMs));
            continue;
        }
        const int count =
            HidBackend::instance()->readTimeout(m_device, buffer, sizeof buffer, ReadWaitMs);
        if (count > 0) {
            const QByteArray report(reinterpret_cast<const char *>(buffer), count);
            m_queue->push(report);
            logTrace(this, QString::fromLatin1(report.toHex()));
            emit dataReceived();
        } else if (count < 0) {
            logWarning(this, QStringLiteral("Read failed!"));
            m_running.store(false);
            emit stopped();
            return;
        }
    }
    m_running.store(false);
}
