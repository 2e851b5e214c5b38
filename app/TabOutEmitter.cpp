#include "app/TabOutEmitter.h"

#include <QKeyEvent>

TabOutEmitter::TabOutEmitter(QObject *parent) : QObject(parent) {}

bool TabOutEmitter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        emit setFocusInMain();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
