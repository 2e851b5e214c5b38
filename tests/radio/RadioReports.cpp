#include "RadioReports.h"

#include "link/Crc.h"

#include <cstring>

s_FullSensorData makeSensorReport(const SensorReportSpec &spec)
{
    s_FullSensorData report;
    std::memset(&report, 0, sizeof(report));
    std::memset(report.name, 0xFF, sizeof(report.name));
    std::memcpy(report.name, spec.name.constData(), size_t(qMin(spec.name.size(), 63)));
    report.name[qMin(spec.name.size(), 63)] = 0;
    report.settings.bType = quint8(spec.type);
    report.settings.common.Partition = spec.partition;
    report.settings.common.ZoneType = spec.zoneType;
    report.settings.dwSerial = spec.serial;
    report.status.flags = spec.flags;
    report.status.serialNumber = spec.serial;
    report.status.hierarchy = spec.hierarchy;
    report.status.state = spec.state;
    report.status.supplyVoltage = spec.supplyMillivolts;
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
