#pragma once

#include <QMetaType>
#include <QtGlobal>
#include <cstddef>

// Partition settings carried inside the partition block (block bytes 120..167).
struct s_PartitionSett
{
    quint32 ControlPartitions;
    quint8 reserved4[16];
    quint16 num; // 0xFFFF: not set
    quint8 reserved22[8];
    quint8 flags; // bit 0 AutoTakeFromNotTakeEn, bit 1 AutoTakeFromAlarmEn, bit 2 TakeDelayEn
    quint8 reserved31;
    quint32 reserved32; // written as zero
    quint8 reserved36[12];
};

// Settings block of one partition.
struct s_ExtMemDataPartition
{
    static constexpr int size = 512;
    static constexpr int crcOffset = 508;

    quint8 name[64];
    quint8 reserved64[32];
    quint32 nameCrc;
    quint32 reserved100; // written as zero
    quint8 reserved104[16];
    s_PartitionSett settings;
    quint8 reserved168[338];
    quint8 compatibleVersion;
    quint8 criticalVersion;
    quint32 crc32;
};

// Status of one partition.
struct s_PartitionStatus
{
    quint16 mainState;
    quint16 currentState;
    quint8 configurationAllowed;
    quint8 qualifier; // bits 0..1 qualify main state 8
    quint8 reserved6[2];
};

namespace PartitionFlag {
enum : quint8
{
    AutoTakeFromNotTaken = 1u << 0,
    AutoTakeFromAlarm = 1u << 1,
    TakeDelay = 1u << 2,
};
}

static_assert(sizeof(s_PartitionSett) == 48, "wire size");
static_assert(offsetof(s_PartitionSett, num) == 20, "wire layout");
static_assert(offsetof(s_PartitionSett, flags) == 30, "wire layout");
static_assert(offsetof(s_PartitionSett, reserved32) == 32, "wire layout");
static_assert(sizeof(s_ExtMemDataPartition) == 512, "wire size");
static_assert(offsetof(s_ExtMemDataPartition, nameCrc) == 96, "wire layout");
static_assert(offsetof(s_ExtMemDataPartition, reserved100) == 100, "wire layout");
static_assert(offsetof(s_ExtMemDataPartition, settings) == 120, "wire layout");
static_assert(offsetof(s_ExtMemDataPartition, compatibleVersion) == 506, "wire layout");
static_assert(offsetof(s_ExtMemDataPartition, crc32) == 508, "wire layout");
static_assert(sizeof(s_PartitionStatus) == 8, "wire size");

Q_DECLARE_METATYPE(s_ExtMemDataPartition)
Q_DECLARE_METATYPE(s_PartitionStatus)
