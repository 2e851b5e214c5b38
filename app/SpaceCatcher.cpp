#include "app/SpaceCatcher.h"

#include <QKeyEvent>

SpaceCatcher::SpaceCatcher(QObject *parent) : EventCatcher(parent) {}

bool SpaceCatcher::catchEvent(QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        emit spaceCatched();
        return true;
    }
    return false;
}
