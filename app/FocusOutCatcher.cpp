#include "app/FocusOutCatcher.h"

#include <QEvent>

FocusOutCatcher::FocusOutCatcher(QObject *parent) : EventCatcher(parent) {}

bool FocusOutCatcher::catchEvent(QEvent *event)
{
    if (event->type() == QEvent::FocusOut)
        emit focusOuted();
    return false;
}
