#pragma once

#include "app/EventCatcher.h"

// Turns a press of the space bar into spaceCatched(); the key is swallowed.
class SpaceCatcher : public EventCatcher
{
    Q_OBJECT
public:
    explicit SpaceCatcher(QObject *parent = nullptr);

signals:
    void spaceCatched();

protected:
    bool catchEvent(QEvent *event) override;
};
