#include "app/Logger.h"
#include "link/Protocol.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// The size log as the device records have always been listed.
const char expectedSizes[] =
    "s_ExtMemDataSensor 512; s_ExtMemDataPartition 512; s_ExtMemDataIButton 256; "
    "s_ExtMemDataIButtonConfig 256; s_ExtMemDataBeeper 256; s_BeeperSettings 40; "
    "s_ExtMemDataLeds 256; s_ExtMemDataObject 256; s_ExtMemDataDevice 256; "
    "s_ExtMemDataWireless 256; s_ExtMemDataSim 1024; simcardConfig_t 234; "
    "s_ExtMemDataUserIsp0 512; s_ExtMemDataEth 1024; s_EthernetSettings 264; MacAddr 6; "
    "s_iButtonSett 32; s_FullJournalEventIsp2 256; s_FullJournalEventIsp0 256; "
    "s_DebugJournalEvent 52; s_FullDebugJournalEvent 64; s_GsmEvent 24; GSMStatus_t 48; "
    "GSMStatusOld_t 48; s_GSMSimCard 96; offsetof(s_GsmEvent.GsmStatusEvent) 0; "
    "u_TimeSTM32F4xx 4; s_iButtonSett 32; s_ExtMemDataGSM 1024; s_ExtMemDataGSMDirection 1536; "
    "(offsetof(s_ExtMemDataGSMDirection, crc32) 1532; s_GSMDirectionSett 920; "
    "channelGSMUserSMS_t 24; channelGSMQuenor3_t 16; channelGSMCall_t 16; channelGSMVoice_t 16; "
    "channelGSMGPRSDC9_t 72; eventFilter_t 104; s_channelGSMsett 272; "
    "offsetof(s_channelGSMsett, channelUserId) 265; controlCommandData_t 104; "
    "offset commandType 8; s_PartitionSett 48; s_FullSensorData 424; s_Sensor 328; "
    "s_SensorIntData 104; s_SensorSettings 240; s_FullLoopData 168; s_ExtMemDataLoop 256; "
    "s_Loop 96; s_LoopStatus 24; simcardConfig_t 234; s_JournalEventIsp2 128; "
    "s_JournalEventIsp0 128; s_PartEvent 56; s_Power_event 2; s_Output_event 32; "
    "s_SysEvent 112; TarvoH1BootSectionHeader_t 24; hexHeader_t 66; "
    "s_SupplyAndChargerIsp0 48; s_SupplyAndChargerIsp1 92; s_SupplyAndChargerIsp2 92; "
    "s_channelGSMsett 272; channelGSMTest_t 40; u_RFDevPrivateSettings 192; "
    "u_RFDevPrivateData 64; s_IP 4; s_ASR 40; s_ASR1 16; s_SMK 16; s_DIP 12; s_Siren 32; "
    "s_OST 24; s_Keychain 16; s_VTI 26; s_Drask 4; s_CoordData 16; s_FW_UPDATE_STATUS 8; "
    "e_FW_UPDATE_STATUS 1; s_ExtMemDataOutput 1024; s_OutputModeSett 96; s_DeviceSettings 96; "
    "s_EventSenderStatusIsp0 136; s_ExtMemDataDebug 256; s_rssiTestAnswer 61; "
    "s_rssiTestRequest 2; rssiTestMode_t 1; s_rssiLongTestHeader_t 5; "
    "s_rssiLongTestResult_t 5; s_ExtMemDataOutGroup 256";

QStringList expectedLines()
{
    QStringList lines{"struct sizes:"};
    for (const QString &item : QString::fromLatin1(expectedSizes).split("; ")) {
        const int blank = item.lastIndexOf(' ');
        lines << item.left(blank) + ": " + item.mid(blank + 1);
    }
    return lines;
}
} // namespace

class TestProtocolRecords : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Logger::registerMetaType(); }

    // Written once per construction, as info lines of the logger and on the debug output.
    void sizeLogLines()
    {
        Logger logger;
        QSignalSpy spy(&logger, &Logger::message);
        const QStringList expected = expectedLines();
        QCOMPARE(expected.size(), 92);
        for (const QString &line : expected)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(line));

        Protocol protocol(nullptr);

        QStringList logged;
        for (const QList<QVariant> &args : spy) {
            QCOMPARE(args.at(1).value<logLevel_t>(), LogInfo);
            QCOMPARE(args.at(0).toString(), QString("Protocol"));
            logged << args.at(2).toString();
        }
        QStringList expectedInfo;
        for (const QString &line : expected)
            expectedInfo << "[I]: " + line;
        // Without an interface there is no "Setting interface" line.
        QCOMPARE(logged, expectedInfo);
        QCOMPARE(logged.first(), QString("[I]: struct sizes:"));
        QCOMPARE(logged.last(), QString("[I]: s_ExtMemDataOutGroup: 256"));
    }
};

QTEST_MAIN(TestProtocolRecords)
#include "test_protocol_records.moc"
