#pragma once

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <mutex>

// A queue of byte arrays shared by one producing and one consuming thread: the
// writer's outgoing messages, or a connection's received reports.
class ReportQueue
{
public:
    // Appends a copy; wakes a waiting consumer when the queue was empty before.
    void push(const QByteArray &item);
    // Takes the oldest item; false when the queue is empty.
    bool tryPop(QByteArray &item);
    // Waits until an item is queued or wake() is called, then takes the oldest item if
    // there is one (false otherwise) and clears the wake flag.
    bool waitAndPop(QByteArray &item);
    // Ends a waitAndPop that waits, even on an empty queue.
    void wake();
    bool isEmpty() const;
    int size() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_wake = false;
    std::deque<QByteArray> m_items;
};
