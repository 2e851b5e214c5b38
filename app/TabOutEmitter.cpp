#include "app/TabOutEmitter.h"

#include <QKeyEvent>

TabOutEmitter::TabOutEmitter(QObject *parent) : EventCatcher(parent) {}

bool TabOutEmitter::catchEvent(QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        emit setFocusInMain();
        return true;
    }
    return false;
}
