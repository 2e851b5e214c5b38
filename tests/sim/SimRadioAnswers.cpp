#include "sim/SimRadioAnswers.h"

#include "sim/SimCommunicator.h"

namespace {
constexpr quint8 OpReadAll = 0x23;
constexpr quint8 OpDeleteSensor = 0x97;
constexpr quint8 OpPartitionStatus = 0x0B;
constexpr quint8 OpPartitionBlock = 0x25;
constexpr quint8 OpSensorFull = 0x11;
constexpr quint8 OpSensorStatus = 0x0A;
constexpr quint8 OpSensorBlock = 0x24;
constexpr quint8 OpLoopFull = 0x13;
constexpr quint8 OpLoopStatus = 0x12;
constexpr quint8 OpOutputStatus = 0x0C;
constexpr int IdLimit = 256;
} // namespace

void SimRadioAnswers::attach(SimCommunicator &device)
{
    if (!device.findChild<SimRadioAnswers *>())
        new SimRadioAnswers(device);
}

SimRadioAnswers::SimRadioAnswers(SimCommunicator &device) : QObject(&device), m_device(device)
{
    // Runs before the communicator's own handling, so the announcements come first.
    connect(&device, &SimCommunicator::commandReceived, this, &SimRadioAnswers::onCommand);
}

void SimRadioAnswers::onCommand(const QByteArray &command)
{
    if (command.size() < 3)
        return;
    const quint8 operation = quint8(command.at(0));
    const quint16 id = quint16(quint8(command.at(1)) | (quint8(command.at(2)) << 8));
    if (operation == OpReadAll)
        announceRadio();
    else if (operation == OpDeleteSensor)
        deleteDevice(id);
}

void SimRadioAnswers::sendHeld(quint8 operation, quint16 id)
{
    // An empty record is a deleted one.
    const QByteArray record = m_device.record(operation, id);
    if (!record.isEmpty())
        m_device.send(SimCommunicator::message(operation, id, record));
}

void SimRadioAnswers::announceRadio()
{
    // Partitions first, so devices find their partitions' settings in place.
    for (int id = 0; id < IdLimit; ++id) {
        sendHeld(OpPartitionStatus, quint16(id));
        sendHeld(OpPartitionBlock, quint16(id));
    }
    for (int id = 0; id < IdLimit; ++id) {
        sendHeld(OpSensorFull, quint16(id));
        sendHeld(OpSensorStatus, quint16(id));
    }
    sendHeld(OpLoopFull, 0);
    sendHeld(OpLoopStatus, 0);
    sendHeld(OpOutputStatus, 0);
    sendHeld(OpOutputStatus, 1);
}

void SimRadioAnswers::deleteDevice(quint16 id)
{
    for (quint8 operation : {OpSensorFull, OpSensorStatus, OpSensorBlock})
        if (m_device.hasRecord(operation, id))
            m_device.setRecord(operation, id, QByteArray());
    m_device.send(SimCommunicator::message(OpDeleteSensor, id));
}
