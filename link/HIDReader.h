#pragma once

#include <QObject>

#include <atomic>
#include <thread>

class HidHandle;
class ReportQueue;

// Reads input reports in a task of its own and puts each into its connection's queue.
class HIDReader : public QObject
{
    Q_OBJECT
public:
    // How long one read waits for a report: the stop and pause flags are seen within it.
    // A report ends the wait at once, so a long wait costs no pace, only idle wake-ups;
    // the connection pauses the reader for a second before stopping it, well beyond this.
    static constexpr int ReadWaitMs = 100;
    static constexpr int PauseStepMs = 10;

    HIDReader(HidHandle *device, ReportQueue *queue, QObject *parent = nullptr);
    ~HIDReader() override;

    void start();
    // Stops reading until the reader is stopped.
    void pause();
    void stop();
    // False once the task has ended, by stop or by a failed read.
    bool isRunning() const { return m_running.load(); }

signals:
    // A report was queued; connected directly, so the reassembly runs before the next read.
    void dataReceived();
    // Reading failed; the task has ended.
    void stopped();

private:
    void run();

    HidHandle *m_device;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_pause{false};
    std::atomic<bool> m_running{false};
    ReportQueue *m_queue;
    std::thread m_task;
};
