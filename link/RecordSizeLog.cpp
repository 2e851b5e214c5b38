#include "link/RecordSizeLog.h"

#include "link/ProtocolTypes.h"
#include "link/Records.h"
#include "link/SettingsBlocks.h"

#include <iterator>

namespace {
struct SizeLine
{
    const char *name;
    int size;
};

// In the order the log has always listed them; three records appear twice.
const SizeLine sizeLines[] = {
    {"s_ExtMemDataSensor", sizeof(s_ExtMemDataSensor)},
    {"s_ExtMemDataPartition", sizeof(s_ExtMemDataPartition)},
    {"s_ExtMemDataIButton", sizeof(s_ExtMemDataIButton)},
    {"s_ExtMemDataIButtonConfig", sizeof(s_ExtMemDataIButtonConfig)},
    {"s_ExtMemDataBeeper", sizeof(s_ExtMemDataBeeper)},
    {"s_BeeperSettings", RecordSize::BeeperSettings},
    {"s_ExtMemDataLeds", sizeof(s_ExtMemDataLeds)},
    {"s_ExtMemDataObject", sizeof(s_ExtMemDataObject)},
    {"s_ExtMemDataDevice", sizeof(s_ExtMemDataDevice)},
    {"s_ExtMemDataWireless", sizeof(s_ExtMemDataWireless)},
    {"s_ExtMemDataSim", RecordSize::ExtMemDataSim},
    {"simcardConfig_t", RecordSize::SimcardConfig},
    {"s_ExtMemDataUserIsp0", RecordSize::ExtMemDataUserIsp0},
    {"s_ExtMemDataEth", sizeof(s_ExtMemDataEth)},
    {"s_EthernetSettings", RecordSize::EthernetSettings},
    {"MacAddr", sizeof(MacAddr)},
    {"s_iButtonSett", RecordSize::IButtonSett},
    {"s_FullJournalEventIsp2", sizeof(s_FullJournalEventIsp2)},
    {"s_FullJournalEventIsp0", RecordSize::FullJournalEventIsp0},
    {"s_DebugJournalEvent", RecordSize::DebugJournalEvent},
    {"s_FullDebugJournalEvent", sizeof(s_FullDebugJournalEvent)},
    {"s_GsmEvent", RecordSize::GsmEvent},
    {"GSMStatus_t", sizeof(GSMStatus_t)},
    {"GSMStatusOld_t", sizeof(GSMStatusOld_t)},
    {"s_GSMSimCard", sizeof(s_GSMSimCard)},
    {"offsetof(s_GsmEvent.GsmStatusEvent)", RecordSize::GsmEventStatusOffset},
    {"u_TimeSTM32F4xx", sizeof(u_TimeSTM32F4xx)},
    {"s_iButtonSett", RecordSize::IButtonSett},
    {"s_ExtMemDataGSM", sizeof(s_ExtMemDataGSM)},
    {"s_ExtMemDataGSMDirection", sizeof(s_ExtMemDataGSMDirection)},
    {"(offsetof(s_ExtMemDataGSMDirection, crc32)", offsetof(s_ExtMemDataGSMDirection, crc32)},
    {"s_GSMDirectionSett", RecordSize::GSMDirectionSett},
    {"channelGSMUserSMS_t", RecordSize::ChannelGSMUserSMS},
    {"channelGSMQuenor3_t", RecordSize::ChannelGSMQuenor3},
    {"channelGSMCall_t", RecordSize::ChannelGSMCall},
    {"channelGSMVoice_t", RecordSize::ChannelGSMVoice},
    {"channelGSMGPRSDC9_t", RecordSize::ChannelGSMGPRSDC9},
    {"eventFilter_t", RecordSize::EventFilter},
    {"s_channelGSMsett", RecordSize::ChannelGSMSett},
    {"offsetof(s_channelGSMsett, channelUserId)", RecordSize::ChannelGSMSettUserIdOffset},
    {"controlCommandData_t", RecordSize::ControlCommandData},
    {"offset commandType", RecordSize::ControlCommandTypeOffset},
    {"s_PartitionSett", RecordSize::PartitionSett},
    {"s_FullSensorData", sizeof(s_FullSensorData)},
    {"s_Sensor", RecordSize::Sensor},
    {"s_SensorIntData", sizeof(s_SensorIntData)},
    {"s_SensorSettings", RecordSize::SensorSettings},
    {"s_FullLoopData", sizeof(s_FullLoopData)},
    {"s_ExtMemDataLoop", sizeof(s_ExtMemDataLoop)},
    {"s_Loop", RecordSize::Loop},
    {"s_LoopStatus", sizeof(s_LoopStatus)},
    {"simcardConfig_t", RecordSize::SimcardConfig},
    {"s_JournalEventIsp2", RecordSize::JournalEventIsp2},
    {"s_JournalEventIsp0", RecordSize::JournalEventIsp0},
    {"s_PartEvent", RecordSize::PartEvent},
    {"s_Power_event", RecordSize::PowerEvent},
    {"s_Output_event", RecordSize::OutputEvent},
    {"s_SysEvent", RecordSize::SysEvent},
    {"TarvoH1BootSectionHeader_t", RecordSize::TarvoH1BootSectionHeader},
    {"hexHeader_t", RecordSize::HexHeader},
    {"s_SupplyAndChargerIsp0", sizeof(s_SupplyAndChargerIsp0)},
    {"s_SupplyAndChargerIsp1", sizeof(s_SupplyAndChargerIsp1)},
    {"s_SupplyAndChargerIsp2", sizeof(s_SupplyAndChargerIsp2)},
    {"s_channelGSMsett", RecordSize::ChannelGSMSett},
    {"channelGSMTest_t", RecordSize::ChannelGSMTest},
    {"u_RFDevPrivateSettings", RecordSize::RFDevPrivateSettings},
    {"u_RFDevPrivateData", RecordSize::RFDevPrivateData},
    {"s_IP", RecordSize::IP},
    {"s_ASR", RecordSize::ASR},
    {"s_ASR1", RecordSize::ASR1},
    {"s_SMK", RecordSize::SMK},
    {"s_DIP", RecordSize::DIP},
    {"s_Siren", RecordSize::Siren},
    {"s_OST", RecordSize::OST},
    {"s_Keychain", RecordSize::Keychain},
    {"s_VTI", RecordSize::VTI},
    {"s_Drask", RecordSize::Drask},
    {"s_CoordData", RecordSize::CoordData},
    {"s_FW_UPDATE_STATUS", sizeof(s_FW_UPDATE_STATUS)},
    {"e_FW_UPDATE_STATUS", sizeof(e_FW_UPDATE_STATUS)},
    {"s_ExtMemDataOutput", sizeof(s_ExtMemDataOutput)},
    {"s_OutputModeSett", RecordSize::OutputModeSett},
    {"s_DeviceSettings", RecordSize::DeviceSettings},
    {"s_EventSenderStatusIsp0", sizeof(s_EventSenderStatusIsp0)},
    {"s_ExtMemDataDebug", sizeof(s_ExtMemDataDebug)},
    {"s_rssiTestAnswer", sizeof(s_rssiTestAnswer)},
    {"s_rssiTestRequest", sizeof(s_rssiTestRequest)},
    {"rssiTestMode_t", sizeof(rssiTestMode_t)},
    {"s_rssiLongTestHeader_t", RecordSize::RssiLongTestHeader},
    {"s_rssiLongTestResult_t", RecordSize::RssiLongTestResult},
    {"s_ExtMemDataOutGroup", sizeof(s_ExtMemDataOutGroup)},
};
static_assert(std::size(sizeLines) == 91, "one header line and 91 record lines");
} // namespace

QStringList recordSizeLog()
{
    QStringList lines;
    lines.reserve(int(std::size(sizeLines)) + 1);
    lines << QStringLiteral("struct sizes:");
    for (const SizeLine &line : sizeLines)
        lines << QStringLiteral("%1: %2").arg(QLatin1String(line.name)).arg(line.size);
    return lines;
}
