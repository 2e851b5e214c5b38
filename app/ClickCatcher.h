#pragma once

#include <QObject>

// Turns a mouse button release on the watched object into clicked(); the release is swallowed.
class ClickCatcher : public QObject
{
    Q_OBJECT
public:
    explicit ClickCatcher(QObject *parent = nullptr);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
