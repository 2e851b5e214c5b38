#pragma once

#include <QWidget>

// The window choosing the repeater of one radio device. Its list and its command come
// with the repeater choice itself; until then it only names the device.
class SelectRetranslator : public QWidget
{
    Q_OBJECT
public:
    explicit SelectRetranslator(quint16 sensorId, QWidget *parent = nullptr);

    quint16 sensorId() const { return m_sensorId; }

private:
    quint16 m_sensorId;
};
