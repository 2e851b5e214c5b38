#pragma once

#include "app/EventCatcher.h"

// Reports Ctrl+V when the clipboard holds text that is no acceptable user name. The key
// press still goes on, so the watched edit's own validator decides what is pasted.
class PasteCatcher : public EventCatcher
{
    Q_OBJECT
public:
    explicit PasteCatcher(QObject *parent = nullptr);

signals:
    void blocked();

protected:
    bool catchEvent(QEvent *event) override;
};
