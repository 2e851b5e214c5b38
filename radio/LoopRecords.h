#pragma once

#include <QMetaType>
#include <QtGlobal>
#include <cstddef>

// The loop's own settings as the full report carries them (loop block bytes 72..143).
struct s_LoopSettings
{
    quint8 reserved0[48];
    quint16 Partition;
    quint16 ZoneType;
    quint8 reserved52[8];
    quint8 flags; // bit 0 BellEnable, bit 1 Enable
    quint8 reserved61[11];
};

// Status of the communicator's wired loop.
struct s_LoopStatus
{
    quint32 flags;    // bit 4 alarm
    float resistance; // ohms
    quint16 state;
    quint8 reserved10[14];
};

// First part of the loop's full report: its settings and its status.
struct s_Loop
{
    s_LoopSettings settings;
    s_LoopStatus status;
};

// Settings block of the wired loop.
struct s_ExtMemDataLoop
{
    static constexpr int size = 256;
    static constexpr int crcOffset = 252;

    quint8 name[64];
    quint32 nameCrc;
    quint8 reserved68[4];
    s_LoopSettings settings;
    quint8 reserved144[106];
    quint8 compatibleVersion;
    quint8 criticalVersion;
    quint32 crc32;
};

// Full report of the wired loop.
struct s_FullLoopData
{
    s_Loop loop;
    quint8 name[64];
    quint8 reserved160[4];
    quint32 crc32;
};

namespace LoopFlag {
enum : quint32
{
    Alarm = 1u << 4,
};
}

static_assert(sizeof(float) == 4, "the loop resistance is a 32-bit float");
static_assert(sizeof(s_LoopSettings) == 72, "wire size");
static_assert(offsetof(s_LoopSettings, Partition) == 48, "wire layout");
static_assert(offsetof(s_LoopSettings, flags) == 60, "wire layout");
static_assert(sizeof(s_LoopStatus) == 24, "wire size");
static_assert(offsetof(s_LoopStatus, state) == 8, "wire layout");
static_assert(sizeof(s_Loop) == 96, "wire size");
static_assert(sizeof(s_ExtMemDataLoop) == 256, "wire size");
static_assert(offsetof(s_ExtMemDataLoop, settings) == 72, "wire layout");
static_assert(offsetof(s_ExtMemDataLoop, compatibleVersion) == 250, "wire layout");
static_assert(offsetof(s_ExtMemDataLoop, crc32) == 252, "wire layout");
static_assert(sizeof(s_FullLoopData) == 168, "wire size");
static_assert(offsetof(s_FullLoopData, name) == 96, "wire layout");
static_assert(offsetof(s_FullLoopData, crc32) == 164, "wire layout");

Q_DECLARE_METATYPE(s_ExtMemDataLoop)
Q_DECLARE_METATYPE(s_LoopStatus)
Q_DECLARE_METATYPE(s_FullLoopData)
