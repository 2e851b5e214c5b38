#pragma once

#include "radio/LoopRecords.h"
#include "radio/OutputRecords.h"
#include "radio/PartitionRecords.h"
#include "radio/SensorRecords.h"

#include <QList>
#include <QString>

class SimCommunicator;

// The radio part of a large simulated installation: named partitions, radio devices of
// many types (one relayed by a repeater), the wired loop and both local outputs, every
// record sealed the way the communicator seals it.
class SimRadioConfiguration
{
public:
    struct Device
    {
        int id;
        int type;
        int partition;
        int zoneType;
        QString name;
    };

    static constexpr int PartitionCount = 17;

    // Puts every record into the simulated device: settings blocks, full reports and
    // status records of the partitions, radio devices, loop and outputs.
    static void install(SimCommunicator &device);

    static QList<Device> devices();
    static QString partitionName(int index);

    // Whether the configuration puts an energy-saving radio device into the partition.
    static bool holdsEnergySavingDevice(int partition);
    static s_ExtMemDataPartition partitionBlock(int index);
    static s_PartitionStatus partitionStatus(int index);
    static s_ExtMemDataSensor sensorBlock(const Device &device);
    // The per-type settings of a device of that type.
    static u_RFDevPrivateSettings privateSettings(int type);
    static s_SensorIntData sensorStatus(const Device &device);
    static s_FullSensorData sensorReport(const Device &device);
    static s_ExtMemDataLoop loopBlock();
    static s_LoopStatus loopStatus();
    static s_FullLoopData loopReport();
    static s_ExtMemDataOutput outputBlock(int index);
    static s_OutputStatus outputStatus(int index);
};
