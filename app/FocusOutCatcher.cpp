#include "app/FocusOutCatcher.h"

#include <QEvent>

FocusOutCatcher::FocusOutCatcher(QObject *parent) : QObject(parent) {}

bool FocusOutCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        emit focusOuted();
        return false;
    }
    return QObject::eventFilter(watched, event);
}
