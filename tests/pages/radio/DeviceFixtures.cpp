#include "DeviceFixtures.h"

#include "radio/RadioReports.h"

Sensor::SPtr makeDevice(int id, int type, quint32 serial, int partition, int zoneType)
{
    SensorReportFields fields;
    fields.type = type;
    fields.serial = serial ? serial : quint32(1000 + id);
    fields.partition = quint16(partition);
    fields.zoneType = quint16(zoneType);
    const s_FullSensorData report = makeSensorReport(fields);
    auto device = std::make_shared<Sensor>(uchar(id), &report);
    device->setEnabled(true);
    return device;
}
