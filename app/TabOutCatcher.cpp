#include "app/TabOutCatcher.h"

#include <QKeyEvent>

TabOutCatcher::TabOutCatcher(QObject *parent) : QObject(parent) {}

bool TabOutCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab) {
        emit catchedKeyTab();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
