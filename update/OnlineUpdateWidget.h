#pragma once

#include <QList>
#include <QWidget>

class QPushButton;

// The firmware update page.
class OnlineUpdateWidget : public QWidget
{
    Q_OBJECT
public:
    explicit OnlineUpdateWidget(QWidget *parent = nullptr);

    // Blocking disables the update buttons; unblocking gives them their usual state.
    void setBlocked(bool blocked);
    // Drops loaded firmwares and empties the page.
    void clear();

private:
    QList<QPushButton *> m_updateButtons;
};
