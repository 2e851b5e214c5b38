#include "link/ReportQueue.h"

void ReportQueue::push(const QByteArray &item)
{
    bool wasEmpty = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        wasEmpty = m_items.empty();
        m_items.push_back(item);
    }
    if (wasEmpty)
        m_condition.notify_one();
}

bool ReportQueue::tryPop(QByteArray &item)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_items.empty())
        return false;
    item = m_items.front();
    m_items.pop_front();
    return true;
}

bool ReportQueue::waitAndPop(QByteArray &item)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_condition.wait(lock, [this] { return !m_items.empty() || m_wake; });
    m_wake = false;
    if (m_items.empty())
        return false;
    item = m_items.front();
    m_items.pop_front();
    return true;
}

void ReportQueue::wake()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_wake = true;
    }
    m_condition.notify_one();
}

bool ReportQueue::isEmpty() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_items.empty();
}

int ReportQueue::size() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_items.size());
}

void ReportQueue::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_items.clear();
}
