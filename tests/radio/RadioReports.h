#pragma once

#include "radio/LoopRecords.h"
#include "radio/SensorRecords.h"

#include <QByteArray>
#include <QString>

// Full reports as the communicator sends them, for building devices in tests.
struct SensorReportFields
{
    int type = 4;
    quint32 flags = 0;
    quint16 partition = 1;
    quint16 zoneType = 2;
    quint32 serial = 1234;
    quint32 hierarchy = 0;
    quint16 state = 2;
    quint16 supplyMillivolts = 3300;
    QByteArray name;
};

s_FullSensorData makeSensorReport(const SensorReportFields &fields);
s_FullLoopData makeLoopReport(quint16 partition, quint16 zoneType, const QByteArray &name);

// The 64 bytes of a name field as a byte array.
QByteArray fieldBytes(const quint8 *field, int size = 64);
