#pragma once

#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <functional>

// Work that is too long for one turn of the event loop, split into steps that run one per
// turn, so input and painting get their turn between them. A step whose owner is gone is
// dropped.
class StepQueue : public QObject
{
    Q_OBJECT
public:
    static StepQueue *instance();

    void post(QObject *owner, std::function<void()> step);
    bool isEmpty() const { return m_steps.isEmpty(); }

private:
    explicit StepQueue(QObject *parent = nullptr);
    void runNext();

    struct Step
    {
        QPointer<QObject> owner;
        std::function<void()> run;
    };
    QQueue<Step> m_steps;
    QTimer m_turn;
};
