#include "link/PendingWrites.h"

#include "link/ProtocolTypes.h"

bool PendingWrites::isRefusable(quint8 operation)
{
    switch (operation) {
    case _MenuConfigResetSettings:
    case _UsbTakeOnPartition:
    case _UsbTakeOffPartition:
    case _MenuConfigWriteDateTime:
    case _MenuConfigDeleteIButton:
    case _MenuConfigDeleteSensor:
    case _MenuConfigDeleteUser:
    case _MenuConfigDeleteDirection:
        return true;
    default:
        break;
    }
    return (operation >= _MenuConfigWriteSensor &&
            operation <= _MenuConfigWriteIButtonIndication) ||
           operation == _MenuConfigWriteDirection ||
           (operation >= _MenuConfigWriteEthernet && operation <= _MenuConfigWriteHalvor);
}

QString PendingWrites::describe(quint8 operation)
{
    switch (operation) {
    case _MenuConfigResetSettings:
        return tr("Reset to defaults");
    case _UsbTakeOnPartition:
        return tr("Arming the partition");
    case _UsbTakeOffPartition:
        return tr("Disarming the partition");
    case _MenuConfigWriteDateTime:
        return tr("Date and time");
    case _MenuConfigWriteSensor:
    case _MenuConfigWriteSensorForced:
        return tr("Radio device");
    case _MenuConfigWritePartition:
        return tr("Partition");
    case _MenuConfigWriteOutput:
        return tr("Local output");
    case _MenuConfigWriteIButton:
        return tr("iButton key");
    case _MenuConfigWriteBeeper:
        return tr("Beeper settings");
    case _MenuConfigWriteLeds:
        return tr("LED settings");
    case _MenuConfigWriteObject:
        return tr("Object settings");
    case _MenuConfigWriteDevice:
        return tr("Device settings");
    case _MenuConfigWriteWireless:
        return tr("Wireless settings");
    case _MenuConfigWriteLoop:
        return tr("Wired loop");
    case _MenuConfigWriteGSM:
        return tr("GSM settings");
    case _MenuConfigWriteUser:
        return tr("User");
    case _MenuConfigWriteIButtonIndication:
        return tr("iButton indication settings");
    case _MenuConfigWriteDirection:
        return tr("Direction");
    case _MenuConfigWriteEthernet:
        return tr("Ethernet settings");
    case _MenuConfigWriteDebug:
        return tr("Debug settings");
    case _MenuConfigWriteOutGroup:
        return tr("Output group");
    case _MenuConfigWriteHalvor:
        return tr("Halvor device");
    case _MenuConfigDeleteIButton:
        return tr("Deleting the iButton key");
    case _MenuConfigDeleteSensor:
        return tr("Deleting the radio device");
    case _MenuConfigDeleteUser:
        return tr("Deleting the user");
    case _MenuConfigDeleteDirection:
        return tr("Deleting the direction");
    default:
        return tr("Operation 0x%1").arg(operation, 2, 16, QLatin1Char('0'));
    }
}

void PendingWrites::add(quint8 operation, quint16 id, const Sender &sender)
{
    const QPair<quint8, quint16> key(operation, id);
    if (sender.object)
        m_pending.insert(key, sender);
    else
        m_pending.remove(key); // a write nobody routes: an older sender must not hear of it
}

PendingWrites::Sender PendingWrites::take(quint8 operation, quint16 id)
{
    return m_pending.take(QPair<quint8, quint16>(operation, id));
}
