#pragma once

#include <QMetaType>
#include <QtGlobal>
#include <cstddef>

// Records of one radio device exactly as the communicator sends and expects them:
// little-endian, byte for byte. Bytes without a name belong to the device and are
// carried unchanged.

// Settings bytes 88..119 of a radio device.
struct s_SensorCommonSettings
{
    quint8 reserved0[8];
    quint16 Partition; // device type 14: "kcPartition"
    quint16 ZoneType;  // device type 14: "kcMode"
    quint16 LedMode;
    quint8 reserved14[4];
    quint8 flags; // bit 0 BellEnable, bit 1 Enable
    quint8 reserved19[5];
    quint8 mainPowerSupply;    // device type 14 only
    quint8 inputOperatingMode; // device type 14 only
    quint8 reserved26[6];
};

// Per-type private settings, settings bytes 120..311.
union u_RFDevPrivateSettings {
    quint8 raw[192];
    struct
    {
        quint8 leakSensorMask[16];
        quint32 serviceTime;
    } valveController;
};

// The part of the settings block that the full report carries (settings bytes 72..311).
struct s_SensorSettings
{
    quint32 dwSerial;
    quint8 hardwareMinor;
    quint8 hardwareMajor;
    quint8 firmwareMinor;
    quint8 firmwareMajor;
    quint8 bType;
    quint8 networkDeviceType;
    quint8 reserved10[6];
    s_SensorCommonSettings common;
    u_RFDevPrivateSettings privateSettings;
};

// Settings block of one radio device.
struct s_ExtMemDataSensor
{
    static constexpr int size = 512;
    static constexpr int crcOffset = 508;

    quint8 name[64];
    quint32 nameCrc;
    quint32 reserved68; // written as zero
    s_SensorSettings settings;
    quint32 reserved312; // written as zero
    quint8 reserved316[190];
    quint8 compatibleVersion;
    quint8 criticalVersion;
    quint32 crc32;
};

// Per-type live values of a radio device.
union u_RFDevPrivateData {
    quint8 raw[64];
};

// Status record of one radio device.
struct s_SensorIntData
{
    u_RFDevPrivateData privateData;
    quint32 flags;
    quint32 serialNumber;
    quint8 reserved72[4];
    quint32 hierarchy;
    quint8 reserved80[4];
    quint16 state;
    quint8 firmwareMinor;
    quint8 firmwareMajor;
    quint8 hardwareMinor;
    quint8 hardwareMajor;
    qint8 rssi;
    quint8 reserved91;
    quint16 supplyVoltage; // millivolts
    quint8 reserved94[10];
};

// Full report announcing one radio device: its name, settings and status.
struct s_FullSensorData
{
    quint8 name[64];
    quint8 reserved64[8];
    s_SensorSettings settings;
    s_SensorIntData status;
    quint8 reserved416[4];
    quint32 crc32;
};

// Status flag bits of s_SensorIntData::flags.
namespace SensorFlag {
enum : quint32
{
    ReserveFailed = 1u << 1,
    MainFailed = 1u << 2,
    CaseOpen = 1u << 3,
    Alarm = 1u << 4,
    Fire = 1u << 5,
    Lost = 1u << 6,
    Fault = 1u << 7,
    ManualFireAlarm = 1u << 8,
    WaterLeak = 1u << 16,
    Condition = 1u << 17,
};
}

// Bits of s_SensorCommonSettings::flags.
namespace SensorSettingFlag {
enum : quint8
{
    BellEnable = 1u << 0,
    Enable = 1u << 1,
};
}

static_assert(sizeof(s_SensorCommonSettings) == 32, "wire size");
static_assert(offsetof(s_SensorCommonSettings, Partition) == 8, "wire layout");
static_assert(offsetof(s_SensorCommonSettings, flags) == 18, "wire layout");
static_assert(offsetof(s_SensorCommonSettings, inputOperatingMode) == 25, "wire layout");
static_assert(sizeof(u_RFDevPrivateSettings) == 192, "wire size");
static_assert(sizeof(s_SensorSettings) == 240, "wire size");
static_assert(offsetof(s_SensorSettings, bType) == 8, "wire layout");
static_assert(offsetof(s_SensorSettings, common) == 16, "wire layout");
static_assert(offsetof(s_SensorSettings, privateSettings) == 48, "wire layout");
static_assert(sizeof(s_ExtMemDataSensor) == 512, "wire size");
static_assert(offsetof(s_ExtMemDataSensor, nameCrc) == 64, "wire layout");
static_assert(offsetof(s_ExtMemDataSensor, settings) == 72, "wire layout");
static_assert(offsetof(s_ExtMemDataSensor, reserved312) == 312, "wire layout");
static_assert(offsetof(s_ExtMemDataSensor, compatibleVersion) == 506, "wire layout");
static_assert(offsetof(s_ExtMemDataSensor, crc32) == 508, "wire layout");
static_assert(sizeof(u_RFDevPrivateData) == 64, "wire size");
static_assert(sizeof(s_SensorIntData) == 104, "wire size");
static_assert(offsetof(s_SensorIntData, flags) == 64, "wire layout");
static_assert(offsetof(s_SensorIntData, hierarchy) == 76, "wire layout");
static_assert(offsetof(s_SensorIntData, state) == 84, "wire layout");
static_assert(offsetof(s_SensorIntData, rssi) == 90, "wire layout");
static_assert(offsetof(s_SensorIntData, supplyVoltage) == 92, "wire layout");
static_assert(sizeof(s_FullSensorData) == 424, "wire size");
static_assert(offsetof(s_FullSensorData, settings) == 72, "wire layout");
static_assert(offsetof(s_FullSensorData, status) == 312, "wire layout");
static_assert(offsetof(s_FullSensorData, crc32) == 420, "wire layout");

Q_DECLARE_METATYPE(s_ExtMemDataSensor)
Q_DECLARE_METATYPE(s_SensorIntData)
Q_DECLARE_METATYPE(s_FullSensorData)
