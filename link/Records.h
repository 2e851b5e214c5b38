#pragma once

#include "radio/LoopRecords.h"
#include "radio/OutputRecords.h"
#include "radio/PartitionRecords.h"
#include "radio/SensorRecords.h"

#include <QMetaType>
#include <QtGlobal>
#include <cstddef>

// Answer records of the device protocol other than the settings blocks.
// Sizes are part of the wire format; fields are named where the program reads them,
// the rest stays raw for the parts that own the record.

#pragma pack(push, 1)

template <int Size> struct RawRecord
{
    static constexpr int size = Size;
    quint8 bytes[Size];
};

// Firmware information of one device part (answer 0x34).
struct s_fw_info
{
    quint8 description[58];
    quint16 deviceType;
    quint16 hardwareVersion; // major in the high byte, minor in the low byte
    quint16 version;         // major in bits 8-15, minor in bits 0-7
    quint32 word64;
    quint32 buildTime; // seconds since 1970-01-01
    quint8 modification;
    quint8 byte73;
    quint8 execution;
    quint8 byte75;
    quint8 tail[12];
};

// Device status (answer 0x0F); bit 3 of byte 32 marks the update-only state.
struct s_DeviceStatus
{
    quint8 head[32];
    quint8 modeFlags;
    quint8 tail[7];
};

// Supported versions of the settings blocks (answer 0x54), one pair per block kind.
struct s_SettingsVersions
{
    quint8 versions[32][2];
};

// Progress of a full configuration read (answer 0x39).
struct s_DeviceLoadProgress
{
    quint16 sent;
    quint16 total;
};

enum e_FW_UPDATE_STATUS : quint8
{
    FW_UPDATE_STARTED = 1,
    FW_UPDATE_FAILED = 3,
    FW_UPDATE_COMPLETE = 4,
};

// Firmware update status (answer 0xC3).
struct s_FW_UPDATE_STATUS
{
    quint8 state; // e_FW_UPDATE_STATUS
    quint8 reserved1;
    quint16 progress;
    quint16 device; // 0xFFFF: the main unit, otherwise the radio device (0-based)
    quint16 reserved6;
};

// One direction's channel delivery state inside EventSenderStatus.
struct s_EventSenderChannel
{
    quint8 values[6];
    quint16 value16;
    quint32 value32;
};

// Delivery state of the event-reporting channels (answer 0x17), as handed on.
struct EventSenderStatus
{
    s_EventSenderChannel channels[10];
    quint32 value120;
    quint32 value124;
    quint16 value128;
    quint16 value130;
    quint8 value132;
    quint8 value133;
    quint16 reserved134;
};
using s_EventSenderStatusIsp0 = EventSenderStatus;

// Channel state as firmware before 1.2 sends it.
struct s_EventSenderChannelOld
{
    quint8 values[6];
    quint16 value16;
};
struct s_EventSenderStatusOld
{
    s_EventSenderChannelOld channels[10];
    quint16 value80;
    quint16 value82;
    quint8 value84;
    quint8 value85;
    quint16 reserved86;
};

// Channel state as execution 2 sends it.
struct s_EventSenderStatusIsp2
{
    s_EventSenderChannel channels[10];
    quint8 unread[72];
    quint32 value192;
    quint32 value196;
    quint16 value200;
    quint16 value202;
    quint8 value204;
    quint8 value205;
    quint16 reserved206;
};

// Wireless status (answer 0x0D); bit 0 of byte 24: enrolment of radio devices allowed.
struct s_WirelessStatus
{
    quint8 head[24];
    quint8 flags;
    quint8 tail[11];
};

// Journal entry (answer 0x32), sealed by the CRC of bytes 0-243.
struct s_FullJournalEventIsp2
{
    quint8 body[244];
    quint32 crc32;
    quint8 tail[8];
};

// Debug journal entry (answer 0x04), sealed by the CRC of bytes 0-59.
struct s_FullDebugJournalEvent
{
    quint8 body[60];
    quint32 crc32;
};

// Device clock words: BCD calendar values in UTC.
union u_DateSTM32F4xx {
    quint32 value;
    quint8 bytes[4];
};
union u_TimeSTM32F4xx {
    quint32 value;
    quint8 bytes[4];
};

// SIM control status (answer 0xD4); byte 0 is the event.
struct s_SimcardStatus
{
    quint8 event;
    quint8 data[7];
};

struct s_FullHalvorDevData : RawRecord<1792>
{
};
struct s_OutGroups : RawRecord<8>
{
};
struct GSMStatus_t : RawRecord<48>
{
};
struct GSMStatusOld_t : RawRecord<48>
{
};
struct s_GSMSimCard : RawRecord<96>
{
};
struct s_GSMSimCardOld : RawRecord<72>
{
};
struct MacAddr : RawRecord<6>
{
};
struct s_rssiTestAnswer : RawRecord<61>
{
};
struct s_SupplyAndChargerIsp0 : RawRecord<48>
{
};
struct s_SupplyAndChargerIsp1 : RawRecord<92>
{
};
struct s_SupplyAndChargerIsp2 : RawRecord<92>
{
};
struct s_UsbRealtimeDataRead : RawRecord<256>
{
};
struct s_UsbTxRtmDataTypesTable : RawRecord<64>
{
};
struct s_UsbTxRtmTitles : RawRecord<33>
{
};
struct s_SensEEPromData : RawRecord<10>
{
};

#pragma pack(pop)

static_assert(sizeof(s_fw_info) == 88, "s_fw_info");
static_assert(offsetof(s_fw_info, deviceType) == 58, "s_fw_info type");
static_assert(offsetof(s_fw_info, version) == 62, "s_fw_info version");
static_assert(offsetof(s_fw_info, modification) == 72, "s_fw_info modification");
static_assert(offsetof(s_fw_info, execution) == 74, "s_fw_info execution");
static_assert(sizeof(s_DeviceStatus) == 40, "s_DeviceStatus");
static_assert(sizeof(s_SettingsVersions) == 64, "s_SettingsVersions");
static_assert(sizeof(s_DeviceLoadProgress) == 4, "s_DeviceLoadProgress");
static_assert(sizeof(e_FW_UPDATE_STATUS) == 1, "e_FW_UPDATE_STATUS");
static_assert(sizeof(s_FW_UPDATE_STATUS) == 8, "s_FW_UPDATE_STATUS");
static_assert(offsetof(s_FW_UPDATE_STATUS, device) == 4, "s_FW_UPDATE_STATUS device");
static_assert(sizeof(s_EventSenderChannel) == 12, "s_EventSenderChannel");
static_assert(sizeof(EventSenderStatus) == 136, "EventSenderStatus");
static_assert(offsetof(EventSenderStatus, value128) == 128, "EventSenderStatus 128");
static_assert(offsetof(EventSenderStatus, value132) == 132, "EventSenderStatus 132");
static_assert(sizeof(s_EventSenderStatusOld) == 88, "s_EventSenderStatusOld");
static_assert(offsetof(s_EventSenderStatusOld, value80) == 80, "s_EventSenderStatusOld 80");
static_assert(sizeof(s_EventSenderStatusIsp2) == 208, "s_EventSenderStatusIsp2");
static_assert(offsetof(s_EventSenderStatusIsp2, value192) == 192, "s_EventSenderStatusIsp2 192");
static_assert(offsetof(s_EventSenderStatusIsp2, value204) == 204, "s_EventSenderStatusIsp2 204");
static_assert(sizeof(s_WirelessStatus) == 36, "s_WirelessStatus");
static_assert(offsetof(s_WirelessStatus, flags) == 24, "s_WirelessStatus flags");
static_assert(sizeof(s_FullSensorData) == 424, "s_FullSensorData");
static_assert(sizeof(s_FullLoopData) == 168, "s_FullLoopData");
static_assert(sizeof(s_FullJournalEventIsp2) == 256, "s_FullJournalEventIsp2");
static_assert(offsetof(s_FullJournalEventIsp2, crc32) == 244, "journal CRC offset");
static_assert(sizeof(s_FullDebugJournalEvent) == 64, "s_FullDebugJournalEvent");
static_assert(sizeof(u_DateSTM32F4xx) == 4, "u_DateSTM32F4xx");
static_assert(sizeof(u_TimeSTM32F4xx) == 4, "u_TimeSTM32F4xx");
static_assert(sizeof(s_SimcardStatus) == 8, "s_SimcardStatus");
static_assert(sizeof(s_SensorIntData) == 104, "s_SensorIntData");
static_assert(sizeof(s_PartitionStatus) == 8, "s_PartitionStatus");
static_assert(sizeof(s_OutputStatus) == 16, "s_OutputStatus");
static_assert(sizeof(s_EventsOutMode) == 56, "s_EventsOutMode");
static_assert(sizeof(s_LoopStatus) == 24, "s_LoopStatus");
static_assert(sizeof(s_FullHalvorDevData) == 1792, "s_FullHalvorDevData");
static_assert(sizeof(s_OutGroups) == 8, "s_OutGroups");
static_assert(sizeof(GSMStatus_t) == 48, "GSMStatus_t");
static_assert(sizeof(GSMStatusOld_t) == 48, "GSMStatusOld_t");
static_assert(sizeof(s_GSMSimCard) == 96, "s_GSMSimCard");
static_assert(sizeof(s_GSMSimCardOld) == 72, "s_GSMSimCardOld");
static_assert(sizeof(MacAddr) == 6, "MacAddr");
static_assert(sizeof(s_rssiTestAnswer) == 61, "s_rssiTestAnswer");
static_assert(sizeof(s_SupplyAndChargerIsp0) == 48, "s_SupplyAndChargerIsp0");
static_assert(sizeof(s_SupplyAndChargerIsp1) == 92, "s_SupplyAndChargerIsp1");
static_assert(sizeof(s_SupplyAndChargerIsp2) == 92, "s_SupplyAndChargerIsp2");
static_assert(sizeof(s_UsbRealtimeDataRead) == 256, "s_UsbRealtimeDataRead");
static_assert(sizeof(s_UsbTxRtmDataTypesTable) == 64, "s_UsbTxRtmDataTypesTable");
static_assert(sizeof(s_UsbTxRtmTitles) == 33, "s_UsbTxRtmTitles");
static_assert(sizeof(s_SensEEPromData) == 10, "s_SensEEPromData");

Q_DECLARE_METATYPE(s_fw_info)
Q_DECLARE_METATYPE(s_DeviceStatus)
Q_DECLARE_METATYPE(s_SettingsVersions)
Q_DECLARE_METATYPE(s_DeviceLoadProgress)
Q_DECLARE_METATYPE(s_FW_UPDATE_STATUS)
Q_DECLARE_METATYPE(EventSenderStatus)
Q_DECLARE_METATYPE(s_WirelessStatus)
Q_DECLARE_METATYPE(s_FullJournalEventIsp2)
Q_DECLARE_METATYPE(s_FullDebugJournalEvent)
Q_DECLARE_METATYPE(u_DateSTM32F4xx)
Q_DECLARE_METATYPE(u_TimeSTM32F4xx)
Q_DECLARE_METATYPE(s_SimcardStatus)
Q_DECLARE_METATYPE(s_FullHalvorDevData)
Q_DECLARE_METATYPE(s_OutGroups)
Q_DECLARE_METATYPE(GSMStatus_t)
Q_DECLARE_METATYPE(GSMStatusOld_t)
Q_DECLARE_METATYPE(s_GSMSimCard)
Q_DECLARE_METATYPE(s_GSMSimCardOld)
Q_DECLARE_METATYPE(MacAddr)
Q_DECLARE_METATYPE(s_rssiTestAnswer)
Q_DECLARE_METATYPE(s_SupplyAndChargerIsp0)
Q_DECLARE_METATYPE(s_SupplyAndChargerIsp1)
Q_DECLARE_METATYPE(s_SupplyAndChargerIsp2)
Q_DECLARE_METATYPE(s_UsbRealtimeDataRead)
Q_DECLARE_METATYPE(s_UsbTxRtmDataTypesTable)
Q_DECLARE_METATYPE(s_UsbTxRtmTitles)
Q_DECLARE_METATYPE(s_SensEEPromData)
