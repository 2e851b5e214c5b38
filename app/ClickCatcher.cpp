#include "app/ClickCatcher.h"

#include <QEvent>

ClickCatcher::ClickCatcher(QObject *parent) : QObject(parent) {}

bool ClickCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        emit clicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
