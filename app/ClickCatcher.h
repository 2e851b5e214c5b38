#pragma once

#include "app/EventCatcher.h"

// Turns a mouse button release on the watched object into clicked(); the release is swallowed.
class ClickCatcher : public EventCatcher
{
    Q_OBJECT
public:
    explicit ClickCatcher(QObject *parent = nullptr);

signals:
    void clicked();

protected:
    bool catchEvent(QEvent *event) override;
};
