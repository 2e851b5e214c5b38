#include "app/EventCatcher.h"

#include <QWidget>

EventCatcher::EventCatcher(QObject *parent) : QObject(parent) {}

bool EventCatcher::isInUse(const QObject *watched)
{
    if (!watched || !watched->isWidgetType())
        return watched != nullptr;
    const auto *widget = static_cast<const QWidget *>(watched);
    if (!widget->window()->isVisible())
        return false;
    // Qt takes a widget out of its focus chain first thing in its destructor, before the
    // widget or its window gives up the focus; a live widget is always in a chain.
    for (const QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->nextInFocusChain())
            return false;
    return true;
}

bool EventCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (!isInUse(watched))
        return false;
    return catchEvent(event);
}
