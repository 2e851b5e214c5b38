#include "link/HIDPing.h"

#include <chrono>
#include <pthread.h>

#include "link/HidBackend.h"

HIDPing::HIDPing(HidHandle *device) : m_device(device)
{
    m_task = std::thread([this] { run(); });
}

HIDPing::~HIDPing()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wakeUp.notify_all();
    if (m_task.joinable())
        m_task.join();
}

void HIDPing::run()
{
    pthread_setname_np(pthread_self(), "hid-ping");
    unsigned char buffer[65] = {};
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        lock.unlock();
        const int result = HidBackend::instance()->read(m_device, buffer, sizeof buffer);
        lock.lock();
        if (result == -1) {
            emit disconnected();
            return;
        }
        m_wakeUp.wait_for(lock, std::chrono::milliseconds(PeriodMs), [this] { return m_stop; });
    }
}
