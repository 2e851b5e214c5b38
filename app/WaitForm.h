#pragma once

#include <QWidget>

// "Please wait" window shown while a configuration file is written into the device.
class WaitForm : public QWidget
{
    Q_OBJECT
public:
    explicit WaitForm(QWidget *parent = nullptr);
};
