#pragma once

#include <QMetaType>
#include <QtGlobal>

// Codes, enumerations and small command records of the device protocol.
// Every record is little-endian and copied byte for byte to and from messages.

// Operation codes: one 8-bit space shared by commands and answers.
enum e_ID_OPER : quint8
{
    _UsbLogin = 0x01,
    _MenuConfigResetSettings = 0x02,
    _MenuDataReadDebugJournal = 0x04,
    _UsbLogout = 0x05,
    _UsbDisableLogout = 0x06,
    _MenuDataReadSensorStatus = 0x0A,
    _MenuDataReadPartitionStatus = 0x0B,
    _MenuDataReadOutputStatus = 0x0C,
    _MenuDataReadWirelessStatus = 0x0D,
    _MenuDataReadSupplyStatus = 0x0E,
    _MenuDataReadDeviceStatus = 0x0F,
    _MenuConfigReadDateTime = 0x10,
    _MenuDataReadFullSensorData = 0x11,
    _MenuDataReadLoopStatus = 0x12,
    _MenuDataReadFullLoopData = 0x13,
    _MenuDataReadGSMStatus = 0x14,
    _MenuDataBalanceRequest = 0x15,
    _MenuDataReadSimCardStatus = 0x16,
    _MenuDataReadChannelStatus = 0x17,
    _MenuDataReadFullHalvorData = 0x18,
    _MenuDataReserved19 = 0x19,
    _MenuConfigReadAllSettings = 0x23,
    _MenuConfigReadSensor = 0x24,
    _MenuConfigReadPartition = 0x25,
    _MenuConfigReadOutput = 0x26,
    _MenuConfigReadIButton = 0x27,
    _MenuConfigReadBeeper = 0x28,
    _MenuConfigReadLeds = 0x29,
    _MenuConfigReadObject = 0x2A,
    _MenuConfigReadDevice = 0x2B,
    _MenuConfigReadWireless = 0x2C,
    _MenuConfigReadLoop = 0x2D,
    _MenuConfigReadGSM = 0x2E,
    _MenuConfigReadUser = 0x2F,
    _MenuConfigReadChannel = 0x30,
    _MenuConfigReadDirection = 0x31,
    _MenuDataReadJournal = 0x32,
    _MenuConfigReadIButtonIndication = 0x33,
    _MenuConfigReadFwHeader = 0x34,
    _MenuDataReadJournalTail = 0x35,
    _MenuDataReadJournalFromIndex = 0x36,
    _MenuDataJournalReadComplete = 0x37,
    _MenuConfigReadComplete = 0x38,
    _MenuConfigReadProgress = 0x39,
    _UsbRealtimeData = 0x3A,
    _UsbRealtimeTitles = 0x3B,
    _UsbRealtimeDataTypesTable = 0x3C,
    _MenuConfigReadEthernet = 0x3D,
    _MenuConfigReadDebug = 0x3E,
    _MenuConfigReadOutGroup = 0x3F,
    _MenuConfigReadHalvor = 0x40,
    _MenuDataReadOutGroupStatus = 0x41,
    _UsbPopupMessage = 0x4C,
    _UsbCurrentFwCommitNum = 0x4D,
    _SendRequestExtendLogout = 0x50,
    _UsbTakeOnPartition = 0x51,
    _UsbTakeOffPartition = 0x52,
    _MenuConfigSetRetranslator = 0x53,
    _MenuConfigGetSupportedSettingsVersions = 0x54,
    _MenuConfigDefaultMacAddress = 0x55,
    _MenuConfigWriteDateTime = 0x64,
    _MenuConfigWriteSensor = 0x6E,
    _MenuConfigWritePartition = 0x6F,
    _MenuConfigWriteOutput = 0x70,
    _MenuConfigWriteIButton = 0x71,
    _MenuConfigWriteBeeper = 0x72,
    _MenuConfigWriteLeds = 0x73,
    _MenuConfigWriteObject = 0x74,
    _MenuConfigWriteDevice = 0x75,
    _MenuConfigWriteWireless = 0x76,
    _MenuConfigWriteLoop = 0x77,
    _MenuConfigWriteGSM = 0x78,
    _MenuConfigWriteUser = 0x79,
    _MenuConfigWriteIButtonIndication = 0x7A,
    _MenuConfigWriteDirection = 0x7C,
    _MenuConfigSetPartitionForNewSensors = 0x7D,
    _MenuConfigWriteEthernet = 0x7E,
    _MenuConfigWriteSensorForced = 0x7F,
    _MenuConfigWriteDebug = 0x80,
    _MenuConfigWriteOutGroup = 0x81,
    _MenuConfigWriteHalvor = 0x82,
    _MenuConfigDeleteIButton = 0x96,
    _MenuConfigDeleteSensor = 0x97,
    _MenuConfigDeleteUser = 0x98,
    _MenuConfigDeleteDirection = 0x9A,
    _MenuDataClearJournal = 0xAA,
    _MenuDataClearDebugJournal = 0xAB,
    _MenuConfigResetTranslations = 0xAC,
    _MenuConfigEnableSensorAdding = 0xB4,
    _MenuConfigEnableIButtonAdding = 0xB5,
    _FwRead = 0xBE,
    _FwWrite = 0xBF,
    _FwUpdate = 0xC0,
    _FwStopUpdate = 0xC1,
    _FwEraseFlash = 0xC2,
    _FwUpdateStatus = 0xC3,
    _UsbDeviceText = 0xC8,
    _MenuDataSendTestSMS = 0xC9,
    _MenuDataSensorEeprom = 0xCA,
    _MenuDataRssiTest = 0xCC,
    _UsbReboot = 0xD3,
    _SimControlStatus = 0xD4,
    _MenuConfigGetVerifyCode = 0xD5,
    _MenuConfigBestChannelSearch = 0xD6,
    _MenuDataSensorCommand16A = 0xD7,
    _MenuDataSensorCommand16B = 0xD8,
    _MenuDataSensorCommand8 = 0xD9,
    _MenuDataOutputTactic = 0xDA,
    _MenuDataSensorCommand = 0xDC,
    _UsbErrorAnswer = 0xF0,
    _UsbBrokenPacket = 0xF1,
};

// Device error code (the texts are in the error table of Protocol).
using e_m_err = quint16;

// Which settings block operation 0x02 resets to its defaults.
enum e_defaultSettResetParam : quint16
{
    ResetAll = 0,
    ResetObject = 1,
    ResetDateTime = 2,
    ResetDevice = 3,
    ResetLeds = 4,
    ResetBeeper = 5,
    ResetEthernet = 6,
    ResetWireless = 7,
    ResetGSM = 8,
    ResetPartition = 9,
    ResetDirection = 10,
    ResetIButtonIndication = 11,
    ResetDebug = 12,
};

// The result of a login, first argument of Protocol::loginStatus.
enum LoginStatus_t : quint8
{
    LOGIN_OK = 0,
    LOGIN_FAILED = 1,
};

// Access level of the logged-in user; 2 and above may change settings.
using userAccessType_t = quint8;

// Mode of a radio analysis request.
using rssiTestMode_t = quint8;

// Identifiers of firmware parts used by the update commands.
enum e_FwUpdateTarget : quint16
{
    FwUpdateCore = 4,
    FwUpdateBootLoader = 6,
    FwUpdateRadio = 8,
    FwUpdateSensor = 9,
    FwUpdateWeb = 0x16,
};

#pragma pack(push, 1)

// Radio analysis request (operation 0xCC).
struct s_rssiTestRequest
{
    rssiTestMode_t mode;
    quint8 flags; // bit 0: 1 start, 0 stop
};
static_assert(sizeof(s_rssiTestRequest) == 2, "s_rssiTestRequest");

// SIM card control command (operation 0xD4); byte 0 is the command.
struct s_SimcardControl
{
    quint8 command;
    quint8 data[25];
};
static_assert(sizeof(s_SimcardControl) == 26, "s_SimcardControl");

#pragma pack(pop)

Q_DECLARE_METATYPE(LoginStatus_t)
Q_DECLARE_METATYPE(e_defaultSettResetParam)
Q_DECLARE_METATYPE(s_SimcardControl)
