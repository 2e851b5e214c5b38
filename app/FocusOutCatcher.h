#pragma once

#include "app/EventCatcher.h"

// Reports focus-out of the watched object as focusOuted(); the event goes on.
class FocusOutCatcher : public EventCatcher
{
    Q_OBJECT
public:
    explicit FocusOutCatcher(QObject *parent = nullptr);

signals:
    void focusOuted();

protected:
    bool catchEvent(QEvent *event) override;
};
