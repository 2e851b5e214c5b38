#pragma once

#include <QObject>

// Turns a press of the space bar into spaceCatched(); the key is swallowed.
class SpaceCatcher : public QObject
{
    Q_OBJECT
public:
    explicit SpaceCatcher(QObject *parent = nullptr);

signals:
    void spaceCatched();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
