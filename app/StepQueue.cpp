#include "app/StepQueue.h"

#include <QCoreApplication>

StepQueue *StepQueue::instance()
{
    // Owned by the application, so no step outlives it.
    static QPointer<StepQueue> queue;
    if (!queue)
        queue = new StepQueue(QCoreApplication::instance());
    return queue;
}

StepQueue::StepQueue(QObject *parent) : QObject(parent)
{
    // A zero-interval timer fires once per turn of the loop; posted events would all be
    // delivered in the same turn.
    m_turn.setInterval(0);
    connect(&m_turn, &QTimer::timeout, this, &StepQueue::runNext);
}

void StepQueue::post(QObject *owner, std::function<void()> step)
{
    m_steps.enqueue({owner, std::move(step)});
    if (!m_turn.isActive())
        m_turn.start();
}

void StepQueue::runNext()
{
    while (!m_steps.isEmpty()) {
        const Step step = m_steps.dequeue();
        if (step.owner) {
            step.run();
            break;
        }
    }
    if (m_steps.isEmpty())
        m_turn.stop();
}
