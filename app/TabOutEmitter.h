#pragma once

#include "app/EventCatcher.h"

// Turns a press of Escape into setFocusInMain() so the owner can move the focus back; the key is
// swallowed.
class TabOutEmitter : public EventCatcher
{
    Q_OBJECT
public:
    explicit TabOutEmitter(QObject *parent = nullptr);

signals:
    void setFocusInMain();

protected:
    bool catchEvent(QEvent *event) override;
};
