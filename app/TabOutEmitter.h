#pragma once

#include <QObject>

// Turns a press of Escape into setFocusInMain() so the owner can move the focus back; the key is
// swallowed.
class TabOutEmitter : public QObject
{
    Q_OBJECT
public:
    explicit TabOutEmitter(QObject *parent = nullptr);

signals:
    void setFocusInMain();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
