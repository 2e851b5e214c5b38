#pragma once

#include <QObject>

// Reports focus-out of the watched object as focusOuted(); the event goes on.
class FocusOutCatcher : public QObject
{
    Q_OBJECT
public:
    explicit FocusOutCatcher(QObject *parent = nullptr);

signals:
    void focusOuted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
