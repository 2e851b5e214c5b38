#pragma once

#include <QPointer>
#include <QWidget>

class Protocol;

// The realtime view of the device's measured values.
class RealTime22bViewForm : public QWidget
{
    Q_OBJECT
public:
    explicit RealTime22bViewForm(QWidget *parent = nullptr);

    void setProtocol(Protocol *protocol);
    Protocol *protocol() const { return m_protocol; }

private:
    Protocol *m_protocol = nullptr;
};
