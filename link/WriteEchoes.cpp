#include "link/WriteEchoes.h"

#include "link/ProtocolTypes.h"

quint8 WriteEchoes::echoOperation(quint8 writeOperation)
{
    switch (writeOperation) {
    case _MenuConfigWriteSensor:
    case _MenuConfigWriteSensorForced:
        return _MenuConfigReadSensor;
    case _MenuConfigWritePartition:
        return _MenuConfigReadPartition;
    case _MenuConfigWriteOutput:
        return _MenuConfigReadOutput;
    case _MenuConfigWriteIButton:
        return _MenuConfigReadIButton;
    case _MenuConfigWriteBeeper:
        return _MenuConfigReadBeeper;
    case _MenuConfigWriteLeds:
        return _MenuConfigReadLeds;
    case _MenuConfigWriteObject:
        return _MenuConfigReadObject;
    case _MenuConfigWriteDevice:
        return _MenuConfigReadDevice;
    case _MenuConfigWriteWireless:
        return _MenuConfigReadWireless;
    case _MenuConfigWriteLoop:
        return _MenuConfigReadLoop;
    case _MenuConfigWriteGSM:
        return _MenuConfigReadGSM;
    case _MenuConfigWriteUser:
        return _MenuConfigReadUser;
    case _MenuConfigWriteIButtonIndication:
        return _MenuConfigReadIButtonIndication;
    case _MenuConfigWriteDirection:
        return _MenuConfigReadDirection;
    case _MenuConfigWriteEthernet:
        return _MenuConfigReadEthernet;
    case _MenuConfigWriteDebug:
        return _MenuConfigReadDebug;
    default:
        return 0;
    }
}

void WriteEchoes::written(quint8 writeOperation, quint16 id, const QByteArray &payload)
{
    const quint8 echo = echoOperation(writeOperation);
    if (echo == 0 || payload.isEmpty())
        return;
    QList<QByteArray> &awaiting = m_awaiting[Key(echo, id)];
    if (awaiting.size() == MaxAwaiting)
        awaiting.removeFirst();
    awaiting.append(payload);
}

void WriteEchoes::refused(quint8 writeOperation, quint16 id)
{
    const auto it = m_awaiting.find(Key(echoOperation(writeOperation), id));
    if (it == m_awaiting.end())
        return;
    it->removeFirst();
    if (it->isEmpty())
        m_awaiting.erase(it);
}

bool WriteEchoes::isSuperseded(quint8 readOperation, quint16 id, const QByteArray &payload)
{
    if (m_awaiting.isEmpty())
        return false;
    const auto it = m_awaiting.find(Key(readOperation, id));
    if (it == m_awaiting.end())
        return false;
    const QByteArray oldest = it->takeFirst();
    if (it->isEmpty()) {
        m_awaiting.erase(it);
        return false;
    }
    // Only an exact echo is passed over: a block the device changed is its own word.
    const int compared = qMin(oldest.size(), payload.size());
    return compared > 0 && oldest.left(compared) == payload.left(compared);
}
