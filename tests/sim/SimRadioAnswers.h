#pragma once

#include <QObject>

class SimCommunicator;

// The radio side of the communicator's answers that the plain record store lacks: the
// full configuration read also announces partitions, radio devices, the loop and the
// outputs with their full reports and statuses, and a deletion forgets the device and
// is answered.
class SimRadioAnswers : public QObject
{
    Q_OBJECT
public:
    // Once per communicator; the communicator owns it.
    static void attach(SimCommunicator &device);

private:
    explicit SimRadioAnswers(SimCommunicator &device);
    void onCommand(const QByteArray &command);
    void announceRadio();
    void sendHeld(quint8 operation, quint16 id);
    void deleteDevice(quint16 id);

    SimCommunicator &m_device;
};
