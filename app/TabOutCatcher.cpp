#include "app/TabOutCatcher.h"

#include <QKeyEvent>

TabOutCatcher::TabOutCatcher(QObject *parent) : EventCatcher(parent) {}

bool TabOutCatcher::catchEvent(QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab) {
        emit catchedKeyTab();
        return true;
    }
    return false;
}
