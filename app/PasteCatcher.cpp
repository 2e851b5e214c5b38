#include "app/PasteCatcher.h"

#include "app/UserNameExpression.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

PasteCatcher::PasteCatcher(QObject *parent) : EventCatcher(parent) {}

bool PasteCatcher::catchEvent(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->key() == Qt::Key_V && keyEvent->modifiers().testFlag(Qt::ControlModifier)) {
            QString text = QApplication::clipboard()->text();
            int pos = 0;
            QRegularExpressionValidator validator(userNameExpression());
            if (validator.validate(text, pos) != QValidator::Acceptable)
                emit blocked();
        }
    }
    return false;
}
