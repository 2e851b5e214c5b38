#pragma once

#include <QObject>

// Base of the small filters that turn one event of a watched widget into a signal. They
// speak only for a widget still in use: its window is shown and the widget is not being
// destroyed. A widget loses its focus while its window closes and again while it is
// destroyed, after its siblings may be gone; whatever is connected to a filter must not
// act then.
class EventCatcher : public QObject
{
    Q_OBJECT
public:
    explicit EventCatcher(QObject *parent = nullptr);

    // False for a widget whose window is hidden, or which or whose window is being destroyed.
    static bool isInUse(const QObject *watched);

protected:
    bool eventFilter(QObject *watched, QEvent *event) final;
    // Called for events of a widget in use; true swallows the event.
    virtual bool catchEvent(QEvent *event) = 0;
};
