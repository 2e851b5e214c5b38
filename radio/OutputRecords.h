#pragma once

#include <QMetaType>
#include <QtGlobal>
#include <cstddef>

// Operating mode of a local output.
enum e_OutMode : quint16
{
    OutModeDisable = 0,
    OutModeStandardEvents = 1,
    OutModeExtControl = 2,
    OutModeTempControl = 3,
    OutModeHumidityControl = 4,
    OutModeCoControl = 5,
};
Q_DECLARE_METATYPE(e_OutMode)

// Mode settings of an output (output block bytes 72..167). The output-mode editors own
// the bit layout of the masks; the model copies them whole.
struct s_OutputModeSett
{
    quint32 TakeOnMask;
    quint32 TakeOffMask;
    quint32 NotTakeMask;
    quint32 FireMask;
    quint32 AlarmMask;
    quint32 WaterLeakage;
    quint8 reserved24[16];
    quint32 EnableEvents;
    quint32 SelectedPartitions;
    quint8 tactic;
    quint8 journalFlags; // bit 0 OutEventsToJournal
    quint8 reserved50[6];
    quint16 Hyst;
    qint16 IntTempRef;
    quint16 RefSensAddr;
    quint16 FeedbackSensAddr;
    quint8 inversionFlags; // bit 0 InversionOut
    quint8 reserved65[7];
    quint32 EnableMask;
    quint32 DisableMask;
    quint8 OutGroupNumber;
    quint8
        controlFlags; // bit 0 AllowSmsControl, bit 1 AllowCallControl, bit 2 AllowKeychainControl
    quint8 reserved82[6];
    quint16 Mode; // e_OutMode
    quint8 reserved90[6];
};

// Settings block of one local output.
struct s_ExtMemDataOutput
{
    static constexpr int size = 1024;
    static constexpr int crcOffset = 1020;

    quint8 name[64];
    quint32 nameCrc;
    quint32 reserved68; // written as zero
    s_OutputModeSett mode;
    quint32 reserved168; // written as zero
    quint8 reserved172[846];
    quint8 compatibleVersion;
    quint8 criticalVersion;
    quint32 crc32;
};

// Status of one local output.
struct s_OutputStatus
{
    quint16 currentEvent;
    quint8 reserved2[2];
    quint16 faultState;
    quint8 reserved6[2];
    quint8 outputState; // 0 off
    quint8 reserved9[7];
};

// The output tactic answer; passed on unchanged.
struct s_EventsOutMode
{
    quint8 raw[56];
};
Q_DECLARE_METATYPE(s_EventsOutMode)
Q_DECLARE_METATYPE(s_ExtMemDataOutput)
Q_DECLARE_METATYPE(s_OutputStatus)

namespace OutputFlag {
enum : quint8
{
    OutEventsToJournal = 1u << 0,
    InversionOut = 1u << 0,
    AllowSmsControl = 1u << 0,
    AllowCallControl = 1u << 1,
    AllowKeychainControl = 1u << 2,
};
}

static_assert(sizeof(s_OutputModeSett) == 96, "wire size");
static_assert(offsetof(s_OutputModeSett, EnableEvents) == 40, "wire layout");
static_assert(offsetof(s_OutputModeSett, tactic) == 48, "wire layout");
static_assert(offsetof(s_OutputModeSett, Hyst) == 56, "wire layout");
static_assert(offsetof(s_OutputModeSett, inversionFlags) == 64, "wire layout");
static_assert(offsetof(s_OutputModeSett, EnableMask) == 72, "wire layout");
static_assert(offsetof(s_OutputModeSett, OutGroupNumber) == 80, "wire layout");
static_assert(offsetof(s_OutputModeSett, Mode) == 88, "wire layout");
static_assert(sizeof(s_ExtMemDataOutput) == 1024, "wire size");
static_assert(offsetof(s_ExtMemDataOutput, mode) == 72, "wire layout");
static_assert(offsetof(s_ExtMemDataOutput, reserved168) == 168, "wire layout");
static_assert(offsetof(s_ExtMemDataOutput, compatibleVersion) == 1018, "wire layout");
static_assert(offsetof(s_ExtMemDataOutput, crc32) == 1020, "wire layout");
static_assert(sizeof(s_OutputStatus) == 16, "wire size");
static_assert(offsetof(s_OutputStatus, faultState) == 4, "wire layout");
static_assert(offsetof(s_OutputStatus, outputState) == 8, "wire layout");
static_assert(sizeof(s_EventsOutMode) == 56, "wire size");
