#pragma once

#include "pages/reporting/DirectionRecords.h"
#include "radio/LoopRecords.h"
#include "radio/OutputRecords.h"
#include "radio/PartitionRecords.h"
#include "radio/SensorRecords.h"

#include <QMetaType>
#include <QtGlobal>
#include <cstddef>

// Settings blocks: fixed-size records that end with two version bytes
// ("compatible", "critical") and the crc32Stm of every byte before the CRC.
// The owners of each block give meaning to its body; the radio device model
// defines its own blocks field by field.

#pragma pack(push, 1)

template <int Size> struct SettingsBlockRecord
{
    static constexpr int size = Size;
    static constexpr int crcOffset = Size - 4;

    quint8 body[Size - 6];
    quint8 compatibleVersion;
    quint8 criticalVersion;
    quint32 crc32;
};

struct s_ExtMemDataUser : SettingsBlockRecord<512>
{
};
struct s_ExtMemDataIButton : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataIButtonConfig : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataBeeper : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataLeds : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataObject : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataDevice : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataWireless : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataDebug : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataOutGroup : SettingsBlockRecord<256>
{
};
struct s_ExtMemDataGSM : SettingsBlockRecord<1024>
{
};
struct s_ExtMemDataEth : SettingsBlockRecord<1024>
{
};

#pragma pack(pop)

static_assert(sizeof(s_ExtMemDataSensor) == 512, "s_ExtMemDataSensor");
static_assert(sizeof(s_ExtMemDataPartition) == 512, "s_ExtMemDataPartition");
static_assert(sizeof(s_ExtMemDataUser) == 512, "s_ExtMemDataUser");
static_assert(sizeof(s_ExtMemDataIButton) == 256, "s_ExtMemDataIButton");
static_assert(sizeof(s_ExtMemDataIButtonConfig) == 256, "s_ExtMemDataIButtonConfig");
static_assert(sizeof(s_ExtMemDataBeeper) == 256, "s_ExtMemDataBeeper");
static_assert(sizeof(s_ExtMemDataLeds) == 256, "s_ExtMemDataLeds");
static_assert(sizeof(s_ExtMemDataObject) == 256, "s_ExtMemDataObject");
static_assert(sizeof(s_ExtMemDataDevice) == 256, "s_ExtMemDataDevice");
static_assert(sizeof(s_ExtMemDataWireless) == 256, "s_ExtMemDataWireless");
static_assert(sizeof(s_ExtMemDataLoop) == 256, "s_ExtMemDataLoop");
static_assert(sizeof(s_ExtMemDataDebug) == 256, "s_ExtMemDataDebug");
static_assert(sizeof(s_ExtMemDataOutGroup) == 256, "s_ExtMemDataOutGroup");
static_assert(sizeof(s_ExtMemDataOutput) == 1024, "s_ExtMemDataOutput");
static_assert(sizeof(s_ExtMemDataGSM) == 1024, "s_ExtMemDataGSM");
static_assert(sizeof(s_ExtMemDataEth) == 1024, "s_ExtMemDataEth");
static_assert(sizeof(s_ExtMemDataGSMDirection) == 1536, "s_ExtMemDataGSMDirection");
static_assert(offsetof(s_ExtMemDataGSMDirection, crc32) == 1532, "direction CRC offset");

Q_DECLARE_METATYPE(s_ExtMemDataUser)
Q_DECLARE_METATYPE(s_ExtMemDataIButton)
Q_DECLARE_METATYPE(s_ExtMemDataIButtonConfig)
Q_DECLARE_METATYPE(s_ExtMemDataBeeper)
Q_DECLARE_METATYPE(s_ExtMemDataLeds)
Q_DECLARE_METATYPE(s_ExtMemDataObject)
Q_DECLARE_METATYPE(s_ExtMemDataDevice)
Q_DECLARE_METATYPE(s_ExtMemDataWireless)
Q_DECLARE_METATYPE(s_ExtMemDataDebug)
Q_DECLARE_METATYPE(s_ExtMemDataOutGroup)
Q_DECLARE_METATYPE(s_ExtMemDataGSM)
Q_DECLARE_METATYPE(s_ExtMemDataEth)
Q_DECLARE_METATYPE(s_ExtMemDataGSMDirection)
