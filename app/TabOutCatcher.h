#pragma once

#include <QObject>

// Turns a press of Tab into catchedKeyTab(); the key is swallowed.
class TabOutCatcher : public QObject
{
    Q_OBJECT
public:
    explicit TabOutCatcher(QObject *parent = nullptr);

signals:
    void catchedKeyTab();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
