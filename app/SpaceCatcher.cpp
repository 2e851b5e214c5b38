#include "app/SpaceCatcher.h"

#include <QKeyEvent>

SpaceCatcher::SpaceCatcher(QObject *parent) : QObject(parent) {}

bool SpaceCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        emit spaceCatched();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
