#include "app/ClickCatcher.h"

#include <QEvent>

ClickCatcher::ClickCatcher(QObject *parent) : EventCatcher(parent) {}

bool ClickCatcher::catchEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        emit clicked();
        return true;
    }
    return false;
}
