#pragma once

#include "link/PendingWrites.h"
#include "link/ProtocolTypes.h"
#include "link/Records.h"
#include "link/SettingsBlocks.h"
#include "link/WriteEchoes.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class HIDInterface;

// What the answer layouts depend on: the connected or viewed device's firmware
// version word (major in bits 8-15, minor in bits 0-7) and its execution.
struct DeviceLayout
{
    quint16 version = 0;
    int execution = 0;
};

// The command-and-answer layer over the USB transport: one operation per device
// command, one typed signal per kind of answer. Lives in the GUI thread.
class Protocol : public QObject
{
    Q_OBJECT
public:
    // An entry the device fails to read for a transient reason is asked again at
    // most this many times before it is handed on as unreadable.
    static constexpr int journalRetryLimit = 3;

    explicit Protocol(HIDInterface *interface, QObject *parent = nullptr);
    ~Protocol() override;

    // Read anew for every answer whose layout depends on the device; without a source
    // the controller's device description is used.
    void setDeviceLayoutSource(std::function<DeviceLayout()> source);

    static void registerMetaTypes();

    // While a scope lives, the writes sent are routed back to its sender when the device
    // refuses them; scopes nest.
    class SenderScope
    {
    public:
        SenderScope(Protocol *protocol, const PendingWrites::Sender &sender);
        ~SenderScope();
        SenderScope(const SenderScope &) = delete;
        SenderScope &operator=(const SenderScope &) = delete;

    private:
        QPointer<Protocol> m_protocol;
        PendingWrites::Sender m_previous;
    };

    // Asks the device again for the block a refused write or deletion was about.
    void readBackRefused(const WriteRefusal &refusal);

signals:
    void settingsEthernet(const s_ExtMemDataEth &in_sett);
    void writeFirmwareCodeError(e_m_err in_code);
    void debugSettings(const s_ExtMemDataDebug &in_sett);
    void updateGSMSimCard(int cardIndex, const s_GSMSimCard &cardStatus);
    void updateGSMSimCardOld(int cardIndex, const s_GSMSimCardOld &cardStatus);
    void settingsReadComplete();
    void settingsReadProgress(const s_DeviceLoadProgress &s);
    void sensorStatus(quint16 id, const s_SensorIntData &s);
    void sensorData(quint16 id, const s_ExtMemDataSensor &s);
    void sensorFullData(quint16 id, const s_FullSensorData &s);
    void sensorDelete(quint16 id);
    void partitionStatus(quint16 id, const s_PartitionStatus &s);
    void partitionData(quint16 id, const s_ExtMemDataPartition &s);
    void outputStatus(quint16 id, const s_OutputStatus &s);
    void outputData(quint16 id, const s_ExtMemDataOutput &s);
    void outputTactic(quint16 id, const s_EventsOutMode &s);
    void iButtonData(quint16 id, const s_ExtMemDataIButton &s);
    void iButtonDelete(quint16 id);
    void userSettings(quint16 id, const s_ExtMemDataUser &s);
    void loopData(const s_ExtMemDataLoop &s);
    void loopStatus(const s_LoopStatus &s);
    void loopFullData(const s_FullLoopData &s);
    void beeperData(const s_ExtMemDataBeeper &s);
    void ledsData(const s_ExtMemDataLeds &s);
    void ibuttonConfigData(const s_ExtMemDataIButtonConfig &s);
    void objectData(const s_ExtMemDataObject &s);
    void deviceData(const s_ExtMemDataDevice &s);
    void deviceStatus(const s_DeviceStatus &s);
    void wirelessData(const s_ExtMemDataWireless &s);
    void wirelessStatus(const s_WirelessStatus &s);
    void addSensorsStatus(bool enabled);
    void journalEntry(quint16 id, const s_FullJournalEventIsp2 &s);
    void journalTail(quint16 id);
    void journalReadComplete(quint16 lastId);
    void debugJournalEntry(quint16 id, const s_FullDebugJournalEvent &s);
    void dateTimeData(const u_DateSTM32F4xx &d, const u_TimeSTM32F4xx &t);
    void supplyStatusIsp0(const s_SupplyAndChargerIsp0 &s);
    void supplyStatusIsp1(const s_SupplyAndChargerIsp1 &s);
    void supplyStatusIsp2(const s_SupplyAndChargerIsp2 &s);
    void gsmData(const s_ExtMemDataGSM &s);
    void gsmStatusOld(const GSMStatusOld_t &s);
    void gsmStatus(const GSMStatus_t &s);
    void simControlStatus(const s_SimcardStatus &s);
    void channelStatus(const EventSenderStatus &s);
    void firmwareVersion(quint16 id, const s_fw_info &s);
    void flashErased(e_m_err ret);
    void journalErased(e_m_err ret);
    void debugJournalErased(e_m_err ret);
    void updateStatus(const s_FW_UPDATE_STATUS &s);
    void loginStatus(LoginStatus_t status, quint8 userId, userAccessType_t permissions);
    void directionSettings(quint8 id, const s_ExtMemDataGSMDirection &s);
    void loginRequired(int index);
    void RealtimeDataReceived(const s_UsbRealtimeDataRead &s);
    void RealtimeDataTypesTableReceived(const s_UsbTxRtmDataTypesTable &s);
    void RealtimeTitleReceived(const s_UsbTxRtmTitles &s);
    void CurrentFwCommitNumReceived(const QString &message);
    void errorOccurred(const QString &err);
    void memEmptyError(const QString &err);
    void settingsVersionsReveived(const s_SettingsVersions &versions);
    void defaultMACAddress(const MacAddr &s);
    void configGetVerifyCode(quint32 verifyCode);
    void readSensorEeprom(const s_SensEEPromData &s);
    void sensorRadioAnalysis(const s_rssiTestAnswer &s);
    void outGroupSettings(int index, const s_ExtMemDataOutGroup &s);
    void outGroupStatus(int index, const s_OutGroups &s);
    void receivedFullHalvorDevData(const s_FullHalvorDevData &s);
    // The device refused a write or deletion; its sender, if it still waited, was told first.
    void writeRefused(quint8 operation, quint16 code, quint16 id, const QString &subject,
                      const QString &deviceText);

public slots:
    void sendToDevice(e_ID_OPER operId);
    void sendToDevice(e_ID_OPER operId, quint16 index16);
    void sendToDevice(e_ID_OPER operId, quint16 index16, quint16 in_flag3);
    void sendToDevice(e_ID_OPER operId, const quint8 *in_pData, int in_sz);
    void sendToDevice(e_ID_OPER operId, quint16 index16, const quint8 *in_pData, int in_sz);

    void readAllSettings();
    void readSensorStatus(quint16 id);
    void readSensorData(quint16 id);
    void readSensorFullData(quint16 id);
    void deleteSensor(quint16 id);
    void readPartitionStatus(quint16 id);
    void readPartitionData(quint16 id);
    void readOutputStatus(quint16 id);
    void readOutputData(quint16 id);
    void readIButtonData(quint16 id);
    void deleteIButton(quint16 id);
    void readUserSettings(quint16 id);
    void deleteUser(quint16 id);
    void readDirection(quint16 id);
    void deleteDirection(quint16 id);
    void readLoopFullData();
    void readBeeperData();
    void readLedsData();
    void readObjectData();
    void readEthernetData();
    void readDeviceData();
    void readWirelessData();
    void readWirelessStatus();
    void readDateTime();
    void readDebugData();
    void readGSMSettings();
    void readGSMStatus();
    void balanceRequest(quint16 sim_num);
    void enableConfig(bool enable);
    void setPartitionForNewSensors(quint16 partition);
    void enableIButtonAdding(bool enable);
    void readJournal(quint16 id);
    void readJournalFromIndex(quint16 id);
    void readJournalTail();
    void clearJournal();
    void resetTranslations();
    void readDebugJournal(quint16 id);
    void clearDebugJournal();
    void readFirmware(quint16 id);
    void eraseFlash(quint16 id);
    void readFirmwareVersion(quint16 id);
    void readFirmwareVersion(quint16 id, quint16 sensId);
    void resetSettings(e_defaultSettResetParam parameter);
    void resetSettings(e_defaultSettResetParam parameter, quint16 index);
    void factoryReset();
    void logout();
    void disableLogout();
    void updateCore();
    void updateBootLoader();
    void updateRadio();
    void updateSensor(quint16 id);
    void stopSensorUpdate();
    void setRetranslatorForSensor(quint16 sensid, quint16 retransId);

    void writeSensorData(quint16 id, const s_ExtMemDataSensor &s);
    void writeSensorDataForced(quint16 id, const s_ExtMemDataSensor &s);
    void writePartitionData(quint16 id, const s_ExtMemDataPartition &s);
    void writeOutputData(quint16 id, const s_ExtMemDataOutput &s);
    void writeIButtonData(quint16 id, const s_ExtMemDataIButton &s);
    void writeUserSettings(quint16 id, const s_ExtMemDataUser &s, bool isFromFile);
    void writeDirection(quint16 id, const s_ExtMemDataGSMDirection &s, bool isFromFile);
    void writeLoopData(const s_ExtMemDataLoop &s);
    void writeDeviceData(const s_ExtMemDataDevice &s);
    void writeDebugData(const s_ExtMemDataDebug &s);
    void writeDateTime(const u_DateSTM32F4xx &d, const u_TimeSTM32F4xx &t);

    void login(const QString &username, const QString &password);
    void forgotPassword(const QString &username);
    void reboot();
    void lockPartition(quint8 id);
    void unlockPartition(quint8 id);
    void sendTestSMS(const QString &number, const QString &message);
    void sendSimControl(const s_SimcardControl &s);
    void rssiTestStart(rssiTestMode_t mode, quint16 id, bool state);
    void rssiTestStart(rssiTestMode_t mode, quint16 id);
    void writeFirmware(quint16 id, const QByteArray &data);
    void updateWeb(const QByteArray &data);

    void setBlockStatusReading(bool state);

    void onMessageReceived(const QByteArray &message);
    static QString firmwareUpdateErrorString(e_m_err in_code);

public:
    // Where answer 0xBE leaves the firmware image it carries.
    static QString firmwareReadBackPath();

private:
    static constexpr int loginFieldSize = 64;
    static constexpr int loginBlockSize = 136;
    static constexpr int smsNumberFieldSize = 16;
    static constexpr int errorRecordSize = 6;

    QByteArray header(e_ID_OPER operId, quint16 index16) const;
    void send(const QByteArray &message);
    void sendLoginBlock(const QString &username, const QString &password, bool forgotten);
    void sendTakePartition(bool takeOn, quint32 mask);
    void sendFlagged(e_ID_OPER operId, quint16 id, quint32 flag, const void *record, int size);
    void logStep(const QString &text);
    void showStatus(const QString &text);

    // Answer dispatch.
    bool hasPayload(const QByteArray &message, int size);
    template <typename Record> bool take(const QByteArray &message, Record &record);
    template <typename Record>
    bool takeChecked(const QByteArray &message, Record &record, const QString &brokenText,
                     bool zeroWhenBroken);
    quint16 identifier(const QByteArray &message) const;
    DeviceLayout deviceLayout() const;
    bool isMajorVersion1() const;
    bool isFirmwareOlderThan12() const;
    void dispatch(quint8 type, quint16 id, const QByteArray &message);
    bool dispatchStatus(quint8 type, quint16 id, const QByteArray &message);
    bool dispatchSettings(quint8 type, quint16 id, const QByteArray &message);
    bool dispatchJournalAndFirmware(quint8 type, quint16 id, const QByteArray &message);
    bool dispatchOther(quint8 type, quint16 id, const QByteArray &message);
    void handleSupplyStatus(const QByteArray &message);
    void handleSimCardStatus(quint16 id, const QByteArray &message);
    void handleChannelStatus(const QByteArray &message);
    void handleJournalEntry(quint16 id, const QByteArray &message);
    void handleUpdateStatus(const QByteArray &message);
    void handleFirmwareReadBack(const QByteArray &message);
    void showPopupMessage(const QByteArray &message);
    QString textFrom(const QByteArray &message, int offset, int maxLength = -1) const;

    // Error answers.
    void parseErrorMessage(const quint8 *record);
    void handleJournalReadError(e_m_err code, quint16 id);
    void retryJournalEntry(quint16 id);
    void deliverEmptyJournalEntry(quint16 id);
    void handleOtherOperationError(e_m_err code, const QString &text);
    void routeRefusal(quint8 operation, e_m_err code, quint16 id, const QString &text);

    const int m_operationOffset;
    const int m_identifierOffset;
    const int m_payloadOffset;
    HIDInterface *m_interface = nullptr;
    bool m_blockStatusReading = false;
    std::function<DeviceLayout()> m_layoutSource;
    QHash<quint16, int> m_journalRetries;
    PendingWrites m_pendingWrites;
    PendingWrites::Sender m_sender;
    WriteEchoes m_writeEchoes;
};
