#pragma once

#include "app/EventCatcher.h"

// Turns a press of Tab into catchedKeyTab(); the key is swallowed.
class TabOutCatcher : public EventCatcher
{
    Q_OBJECT
public:
    explicit TabOutCatcher(QObject *parent = nullptr);

signals:
    void catchedKeyTab();

protected:
    bool catchEvent(QEvent *event) override;
};
