#pragma once

#include <QStringList>

// Sizes of device records that the parts owning them lay out; the protocol's
// size log names them, and each owner checks its layout against these.
namespace RecordSize {
constexpr int BeeperSettings = 40;
constexpr int ExtMemDataSim = 1024;
constexpr int SimcardConfig = 234;
constexpr int ExtMemDataUserIsp0 = 512;
constexpr int EthernetSettings = 264;
constexpr int IButtonSett = 32;
constexpr int FullJournalEventIsp0 = 256;
constexpr int DebugJournalEvent = 52;
constexpr int GsmEvent = 24;
constexpr int GsmEventStatusOffset = 0;
constexpr int GSMDirectionSett = 920;
constexpr int ChannelGSMUserSMS = 24;
constexpr int ChannelGSMQuenor3 = 16;
constexpr int ChannelGSMCall = 16;
constexpr int ChannelGSMVoice = 16;
constexpr int ChannelGSMGPRSDC9 = 72;
constexpr int EventFilter = 104;
constexpr int ChannelGSMSett = 272;
constexpr int ChannelGSMSettUserIdOffset = 265;
constexpr int ControlCommandData = 104;
constexpr int ControlCommandTypeOffset = 8;
constexpr int PartitionSett = 48;
constexpr int Sensor = 328;
constexpr int SensorSettings = 240;
constexpr int Loop = 96;
constexpr int JournalEventIsp2 = 128;
constexpr int JournalEventIsp0 = 128;
constexpr int PartEvent = 56;
constexpr int PowerEvent = 2;
constexpr int OutputEvent = 32;
constexpr int SysEvent = 112;
constexpr int TarvoH1BootSectionHeader = 24;
constexpr int HexHeader = 66;
constexpr int ChannelGSMTest = 40;
constexpr int RFDevPrivateSettings = 192;
constexpr int RFDevPrivateData = 64;
constexpr int IP = 4;
constexpr int ASR = 40;
constexpr int ASR1 = 16;
constexpr int SMK = 16;
constexpr int DIP = 12;
constexpr int Siren = 32;
constexpr int OST = 24;
constexpr int Keychain = 16;
constexpr int VTI = 26;
constexpr int Drask = 4;
constexpr int CoordData = 16;
constexpr int OutputModeSett = 96;
constexpr int DeviceSettings = 96;
constexpr int RssiLongTestHeader = 5;
constexpr int RssiLongTestResult = 5;
} // namespace RecordSize

// The lines of the record-size log, header first.
QStringList recordSizeLog();
