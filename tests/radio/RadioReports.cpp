#include "RadioReports.h"

#include "link/Crc.h"

#include <cstring>

s_FullSensorData makeSensorReport(const SensorReportFields &fields)
{
    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    std::memset(report.name, 0xFF, sizeof(report.name));
    std::memcpy(report.name, fields.name.constData(), size_t(qMin(fields.name.size(), 63)));
    report.name[qMin(fields.name.size(), 63)] = 0;
    report.settings.bType = quint8(fields.type);
    report.settings.common.Partition = fields.partition;
    report.settings.common.ZoneType = fields.zoneType;
    report.settings.dwSerial = fields.serial;
    report.status.flags = fields.flags;
    report.status.serialNumber = fields.serial;
    report.status.hierarchy = fields.hierarchy;
    report.status.state = fields.state;
    report.status.supplyVoltage = fields.supplyMillivolts;
    report.crc32 = crc32Stm(&report, offsetof(s_FullSensorData, crc32));
    return report;
}

s_FullLoopData makeLoopReport(quint16 partition, quint16 zoneType, const QByteArray &name)
{
    s_FullLoopData report;
    std::memset(&report, 0, sizeof(report));
    report.loop.settings.Partition = partition;
    report.loop.settings.ZoneType = zoneType;
    std::memcpy(report.name, name.constData(), size_t(qMin(name.size(), 63)));
    report.crc32 = crc32Stm(&report, offsetof(s_FullLoopData, crc32));
    return report;
}

QByteArray fieldBytes(const quint8 *field, int size)
{
    return QByteArray(reinterpret_cast<const char *>(field), size);
}
