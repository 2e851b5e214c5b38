#pragma once

#include <QObject>

#include <condition_variable>
#include <mutex>
#include <thread>

class HidHandle;

// Watches an open device that is not in use: reads (and drops) a report once a second
// and reports when the device no longer answers.
class HIDPing : public QObject
{
    Q_OBJECT
public:
    static constexpr int PeriodMs = 1000;

    explicit HIDPing(HidHandle *device);
    ~HIDPing() override;

signals:
    void disconnected();

private:
    void run();

    bool m_stop = false;
    HidHandle *m_device;
    std::mutex m_mutex;
    std::condition_variable m_wakeUp;
    std::thread m_task;
};
