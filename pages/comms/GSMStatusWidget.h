#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The GSM status panel of the status tab.
class GSMStatusWidget : public QWidget
{
    Q_OBJECT
public:
    explicit GSMStatusWidget(QWidget *parent = nullptr);

    // A test SMS needs a powered modem as well as the caller's permission.
    void setTestSmsEnabled(bool enabled);

private:
    QLabel *m_power;
    QPushButton *m_testSms;
};
