// Answer dispatch of Protocol: every message the device sends becomes one typed signal.
#include "link/Protocol.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Crc.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTime>
#include <QtEndian>

#include <cstring>

namespace {
constexpr int messageDumpLimit = 256;
constexpr int commitTextLength = 8;
constexpr int popupTextOffset = 2;
constexpr quint16 realtimeTitlesComplete = 63;

template <typename Record> bool crcIntact(const Record &record)
{
    constexpr quint32 covered = offsetof(Record, crc32);
    const auto *bytes = reinterpret_cast<const uchar *>(&record);
    return crc32Stm(bytes, covered) == qFromLittleEndian<quint32>(bytes + covered);
}

QString timeNow()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"));
}
} // namespace

quint16 Protocol::identifier(const QByteArray &message) const
{
    return qFromLittleEndian<quint16>(message.constData() + m_identifierOffset);
}

DeviceLayout Protocol::deviceLayout() const
{
    if (m_layoutSource)
        return m_layoutSource();
    if (Overmind *overmind = Overmind::instance()) {
        const DeviceInfo &info = overmind->deviceInfo();
        return DeviceLayout{quint16(info.version()), info.execution()};
    }
    return DeviceLayout();
}

bool Protocol::isMajorVersion1() const
{
    const quint16 version = deviceLayout().version;
    return version >= 0x0100 && version <= 0x01FF;
}

bool Protocol::isFirmwareOlderThan12() const
{
    return deviceLayout().version < 0x0102;
}

bool Protocol::hasPayload(const QByteArray &message, int size)
{
    const int available = message.size() - m_payloadOffset;
    if (available >= size)
        return true;
    logWarning(this, tr("Answer 0x%1 dropped: %2 bytes of payload, %3 expected")
                         .arg(quint8(message.at(m_operationOffset)), 2, 16, QLatin1Char('0'))
                         .arg(available)
                         .arg(size));
    return false;
}

template <typename Record> bool Protocol::take(const QByteArray &message, Record &record)
{
    if (!hasPayload(message, int(sizeof(Record))))
        return false;
    std::memcpy(&record, message.constData() + m_payloadOffset, sizeof(Record));
    return true;
}

template <typename Record>
bool Protocol::takeChecked(const QByteArray &message, Record &record, const QString &brokenText,
                           bool zeroWhenBroken)
{
    if (!take(message, record))
        return false;
    if (crcIntact(record))
        return true;
    logWarning(this, brokenText);
    if (zeroWhenBroken)
        std::memset(&record, 0, sizeof(Record));
    return zeroWhenBroken;
}

QString Protocol::textFrom(const QByteArray &message, int offset, int maxLength) const
{
    if (offset >= message.size())
        return QString();
    QByteArray text = message.mid(offset, maxLength);
    const int end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    return QString::fromUtf8(text);
}

void Protocol::onMessageReceived(const QByteArray &message)
{
    if (message.isEmpty()) {
        logWarning(this, tr("Empty message dropped"));
        return;
    }
    const quint8 type = quint8(message.at(m_operationOffset));
    logTrace(this, QStringLiteral("Packet type: %1").arg(type));
    if (message.size() >= messageDumpLimit)
        logTrace(this, QStringLiteral("Message too big to display"));
    else if (type != _MenuDataReadSupplyStatus)
        logTrace(this, QString::fromLatin1(message.toHex()));
    if (message.size() < m_payloadOffset) {
        logWarning(this, tr("Answer 0x%1 dropped: %2 bytes, shorter than the message header")
                             .arg(type, 2, 16, QLatin1Char('0'))
                             .arg(message.size()));
        return;
    }
    dispatch(type, identifier(message), message);
}

void Protocol::dispatch(quint8 type, quint16 id, const QByteArray &message)
{
    const QByteArray payload = QByteArray::fromRawData(message.constData() + m_payloadOffset,
                                                       message.size() - m_payloadOffset);
    if (m_writeEchoes.isSuperseded(type, id, payload)) {
        logDebug(this,
                 QStringLiteral("Echo of block 0x%1 (id = %2) passed over: a newer write follows")
                     .arg(type, 2, 16, QLatin1Char('0'))
                     .arg(id));
        return;
    }
    if (dispatchStatus(type, id, message) || dispatchSettings(type, id, message) ||
        dispatchJournalAndFirmware(type, id, message) || dispatchOther(type, id, message))
        return;
    qDebug().noquote() << QStringLiteral("Unknown packet: %1").arg(type);
    logTrace(this, QStringLiteral("Unknown packet: %1").arg(type));
}

// Status answers: live state of the device and its parts.
bool Protocol::dispatchStatus(quint8 type, quint16 id, const QByteArray &message)
{
    switch (type) {
    case _UsbLogin:
        if (hasPayload(message, 2)) {
            const auto *payload =
                reinterpret_cast<const quint8 *>(message.constData()) + m_payloadOffset;
            emit loginStatus(LOGIN_OK, payload[0], payload[1]);
        }
        return true;
    case _UsbLogout:
        emit loginRequired(id);
        return true;
    case _MenuDataReadSensorStatus: {
        s_SensorIntData record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Sensor status received id:%1").arg(id));
            emit sensorStatus(id, record);
        }
        return true;
    }
    case _MenuDataReadPartitionStatus: {
        s_PartitionStatus record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Partition status received id:%1").arg(id));
            emit partitionStatus(id, record);
        }
        return true;
    }
    case _MenuDataReadOutputStatus: {
        s_OutputStatus record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Output status received"));
            emit outputStatus(id, record);
        }
        return true;
    }
    case _MenuDataReadWirelessStatus: {
        s_WirelessStatus record;
        if (take(message, record)) {
            emit wirelessStatus(record);
            emit addSensorsStatus(record.flags & 0x01);
        }
        return true;
    }
    case _MenuDataReadSupplyStatus:
        handleSupplyStatus(message);
        return true;
    case _MenuDataReadDeviceStatus: {
        s_DeviceStatus record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Device status received"));
            emit deviceStatus(record);
        }
        return true;
    }
    case _MenuConfigReadDateTime: {
        struct
        {
            u_DateSTM32F4xx date;
            u_TimeSTM32F4xx time;
        } clock;
        if (take(message, clock)) {
            logDebug(this, QStringLiteral("DateTime data received"));
            emit dateTimeData(clock.date, clock.time);
        }
        return true;
    }
    case _MenuDataReadFullSensorData: {
        s_FullSensorData record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Sensor full data received id:%1").arg(id));
            emit sensorFullData(id, record);
        }
        return true;
    }
    case _MenuDataReadLoopStatus: {
        s_LoopStatus record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Loop status received"));
            emit loopStatus(record);
        }
        return true;
    }
    case _MenuDataReadFullLoopData: {
        s_FullLoopData record;
        // A broken full report is still handed on; the settings block is asked anew.
        if (!take(message, record))
            return true;
        logDebug(this, QStringLiteral("Full loop data received"));
        if (!crcIntact(record))
            logWarning(this, QStringLiteral("Loop data broken"));
        emit loopFullData(record);
        sendToDevice(_MenuConfigReadLoop);
        return true;
    }
    case _MenuDataReadGSMStatus: {
        if (!hasPayload(message, int(sizeof(GSMStatus_t))))
            return true;
        logDebug(this, QStringLiteral("GSM status received"));
        if (isMajorVersion1()) {
            GSMStatusOld_t record;
            take(message, record);
            emit gsmStatusOld(record);
        } else {
            GSMStatus_t record;
            take(message, record);
            emit gsmStatus(record);
        }
        return true;
    }
    case _MenuDataReadSimCardStatus:
        handleSimCardStatus(id, message);
        return true;
    case _MenuDataReadChannelStatus:
        handleChannelStatus(message);
        return true;
    case _MenuDataReadFullHalvorData: {
        s_FullHalvorDevData record;
        if (take(message, record)) {
            qDebug() << "case _MenuDataReadFullHalvorData";
            emit receivedFullHalvorDevData(record);
        }
        return true;
    }
    case _MenuDataReserved19:
        return true;
    default:
        return false;
    }
}

// Settings blocks, verified by their CRC-32 before they are handed on.
bool Protocol::dispatchSettings(quint8 type, quint16 id, const QByteArray &message)
{
    switch (type) {
    case _MenuConfigReadSensor: {
        s_ExtMemDataSensor record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Sensor data received id:%1").arg(id));
            if (!crcIntact(record)) {
                logWarning(this, QStringLiteral("Sensor data: #%1 broken").arg(id));
                std::memset(&record, 0, sizeof(record));
            }
            emit sensorData(id, record);
        }
        return true;
    }
    case _MenuConfigReadPartition: {
        s_ExtMemDataPartition record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Partition data received"));
            if (!crcIntact(record)) {
                logWarning(this, QStringLiteral("Partition data: #%1 broken").arg(id));
                std::memset(&record, 0, sizeof(record));
            }
            emit partitionData(id, record);
        }
        return true;
    }
    case _MenuConfigReadOutput: {
        s_ExtMemDataOutput record;
        if (takeChecked(message, record, QStringLiteral("Output data broken"), true)) {
            logDebug(this, QStringLiteral("Output data received"));
            emit outputData(id, record);
        }
        return true;
    }
    case _MenuConfigReadIButton: {
        s_ExtMemDataIButton record;
        if (takeChecked(message, record, QStringLiteral("IButton data broken"), true)) {
            logDebug(this, QStringLiteral("IButton data received"));
            emit iButtonData(id, record);
        }
        return true;
    }
    case _MenuConfigReadBeeper: {
        s_ExtMemDataBeeper record;
        if (takeChecked(message, record, QStringLiteral("Beeper data broken"), true)) {
            logDebug(this, QStringLiteral("Beeper data received"));
            emit beeperData(record);
        }
        return true;
    }
    case _MenuConfigReadLeds: {
        s_ExtMemDataLeds record;
        if (takeChecked(message, record, QStringLiteral("Leds data broken"), true)) {
            logDebug(this, QStringLiteral("Leds data received"));
            emit ledsData(record);
        }
        return true;
    }
    case _MenuConfigReadObject: {
        s_ExtMemDataObject record;
        if (takeChecked(message, record, QStringLiteral("Object data broken"), true)) {
            logDebug(this, QStringLiteral("Object data received"));
            emit objectData(record);
        }
        return true;
    }
    case _MenuConfigReadDevice: {
        s_ExtMemDataDevice record;
        if (takeChecked(message, record, QStringLiteral("Device data broken"), true)) {
            logDebug(this, QStringLiteral("Device data received"));
            emit deviceData(record);
        }
        return true;
    }
    case _MenuConfigReadWireless: {
        s_ExtMemDataWireless record;
        if (takeChecked(message, record, QStringLiteral("Wireless data broken"), true)) {
            logDebug(this, QStringLiteral("Wireless data received"));
            emit wirelessData(record);
        }
        return true;
    }
    case _MenuConfigReadLoop: {
        s_ExtMemDataLoop record;
        if (takeChecked(message, record, QStringLiteral("Loop data broken"), true)) {
            logDebug(this, QStringLiteral("Loop data received"));
            emit loopData(record);
        }
        return true;
    }
    case _MenuConfigReadGSM: {
        s_ExtMemDataGSM record;
        if (takeChecked(message, record, QStringLiteral("GSM data broken"), true)) {
            logDebug(this, QStringLiteral("GSM data received"));
            emit gsmData(record);
        }
        return true;
    }
    case _MenuConfigReadUser: {
        // The user model checks this block itself.
        s_ExtMemDataUser record;
        if (take(message, record)) {
            logTrace(this, QStringLiteral("User %1 settings").arg(id));
            emit userSettings(id, record);
        }
        return true;
    }
    case _MenuConfigReadChannel:
        logError(this, QStringLiteral("Packet _MenuConfigReadChannel currently not support!"));
        return true;
    case _MenuConfigReadDirection: {
        // A broken direction is not handed on at all.
        s_ExtMemDataGSMDirection record;
        if (takeChecked(message, record, QStringLiteral("GSM Direction settings broken"), false)) {
            logTrace(this, QStringLiteral("Direction settings: %1").arg(id));
            emit directionSettings(quint8(id & 0xFF), record);
        }
        return true;
    }
    case _MenuConfigReadIButtonIndication: {
        s_ExtMemDataIButtonConfig record;
        if (takeChecked(message, record, QStringLiteral("IButtonIndication data broken"), true)) {
            logDebug(this, QStringLiteral("IButtonIndication data received"));
            emit ibuttonConfigData(record);
        }
        return true;
    }
    case _MenuConfigReadEthernet: {
        s_ExtMemDataEth record;
        if (take(message, record))
            emit settingsEthernet(record);
        return true;
    }
    case _MenuConfigReadDebug: {
        s_ExtMemDataDebug record;
        if (take(message, record))
            emit debugSettings(record);
        return true;
    }
    case _MenuConfigReadOutGroup: {
        s_ExtMemDataOutGroup record;
        if (take(message, record))
            emit outGroupSettings(id, record);
        return true;
    }
    case _MenuConfigGetSupportedSettingsVersions: {
        s_SettingsVersions record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("_MenuConfigGetSupportedSettingsVersions"));
            emit settingsVersionsReveived(record);
        }
        return true;
    }
    case _MenuConfigReadComplete:
        emit settingsReadComplete();
        emit journalReadComplete(0);
        return true;
    case _MenuConfigReadProgress: {
        s_DeviceLoadProgress record;
        if (take(message, record)) {
            emit settingsReadProgress(record);
            logDebug(this,
                     QStringLiteral("Loading status: %1 %2").arg(record.sent).arg(record.total));
        }
        return true;
    }
    default:
        return false;
    }
}

// Journals and firmware.
bool Protocol::dispatchJournalAndFirmware(quint8 type, quint16 id, const QByteArray &message)
{
    switch (type) {
    case _MenuDataReadDebugJournal: {
        s_FullDebugJournalEvent record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("Debug event received"));
            emit debugJournalEntry(id, record);
        }
        return true;
    }
    case _MenuDataReadJournal:
        handleJournalEntry(id, message);
        return true;
    case _MenuConfigReadFwHeader: {
        s_fw_info record;
        if (take(message, record)) {
            logInfo(this,
                    QStringLiteral("FW header received: ") + QString::fromLatin1(message.toHex()));
            emit firmwareVersion(id, record);
        }
        return true;
    }
    case _MenuDataReadJournalTail:
        logDebug(this, QStringLiteral("Journal tail ptr received"));
        emit journalTail(id);
        return true;
    case _MenuDataJournalReadComplete:
        logDebug(this, QStringLiteral("Journal reading complete"));
        emit journalReadComplete(id);
        return true;
    case _MenuDataClearJournal:
    case _MenuDataClearDebugJournal:
    case _FwEraseFlash: {
        quint16 code = 0;
        if (!take(message, code))
            return true;
        code = qFromLittleEndian(code);
        if (type == _MenuDataClearJournal)
            emit journalErased(code);
        else if (type == _MenuDataClearDebugJournal)
            emit debugJournalErased(code);
        else
            emit flashErased(code);
        return true;
    }
    case _FwRead:
        handleFirmwareReadBack(message);
        return true;
    case _FwUpdateStatus:
        handleUpdateStatus(message);
        return true;
    default:
        return false;
    }
}

bool Protocol::dispatchOther(quint8 type, quint16 id, const QByteArray &message)
{
    switch (type) {
    case _UsbRealtimeData: {
        s_UsbRealtimeDataRead record;
        if (take(message, record))
            emit RealtimeDataReceived(record);
        return true;
    }
    case _UsbRealtimeTitles: {
        s_UsbTxRtmTitles record;
        if (take(message, record)) {
            if (id == realtimeTitlesComplete)
                logInfo(this, QStringLiteral("Realtime titles received"));
            emit RealtimeTitleReceived(record);
        }
        return true;
    }
    case _UsbRealtimeDataTypesTable: {
        s_UsbTxRtmDataTypesTable record;
        if (take(message, record)) {
            logInfo(this, QStringLiteral("Realtime data types table received"));
            emit RealtimeDataTypesTableReceived(record);
        }
        return true;
    }
    case _MenuConfigReadHalvor:
        qDebug() << "case _MenuConfigReadHalvor";
        return true;
    case _MenuDataReadOutGroupStatus: {
        s_OutGroups record;
        if (take(message, record))
            emit outGroupStatus(id, record);
        return true;
    }
    case _UsbPopupMessage:
        showPopupMessage(message);
        return true;
    case _UsbCurrentFwCommitNum:
        emit CurrentFwCommitNumReceived(textFrom(message, m_payloadOffset, commitTextLength));
        return true;
    case _SendRequestExtendLogout:
        logDebug(this, QStringLiteral("_SendRequestExtendLogout received"));
        return true;
    case _UsbTakeOnPartition:
        logDebug(this, QStringLiteral("_UsbTakeOnPartition"));
        return true;
    case _UsbTakeOffPartition:
        logDebug(this, QStringLiteral("_UsbTakeOffPartition"));
        return true;
    case _MenuConfigDefaultMacAddress: {
        MacAddr record;
        if (take(message, record))
            emit defaultMACAddress(record);
        return true;
    }
    case _MenuConfigWriteOutGroup:
        qDebug() << "case _MenuConfigWriteOutGroup";
        return true;
    case _MenuConfigWriteHalvor:
        qDebug() << "case _MenuConfigWriteHalvor";
        return true;
    case _MenuConfigDeleteIButton:
        logDebug(this, QStringLiteral("IButton (id = %1) was deleted").arg(id));
        emit iButtonDelete(id);
        return true;
    case _MenuConfigDeleteSensor:
        logDebug(this, QStringLiteral("Sensor was deleted by external command id: %1").arg(id));
        emit sensorDelete(id);
        return true;
    case _MenuConfigEnableSensorAdding:
        // The answer repeats the request: 1 allowed the enrolment, 0 stopped it.
        emit addSensorsStatus(id != 0);
        return true;
    case _UsbDeviceText:
        logDebug(this, textFrom(message, m_payloadOffset));
        return true;
    case _MenuDataSensorEeprom: {
        // The record starts inside the header: the identifier's high byte comes first.
        constexpr int eepromOffset = 2;
        if (!hasPayload(message, eepromOffset + int(sizeof(s_SensEEPromData)) - m_payloadOffset))
            return true;
        s_SensEEPromData record;
        std::memcpy(&record, message.constData() + eepromOffset, sizeof(record));
        emit readSensorEeprom(record);
        return true;
    }
    case _MenuDataRssiTest: {
        s_rssiTestAnswer record;
        if (take(message, record))
            emit sensorRadioAnalysis(record);
        return true;
    }
    case _SimControlStatus: {
        s_SimcardStatus record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("SIM Status received"));
            qDebug() << "_SimControlStatus s.event =" << int(record.event);
            emit simControlStatus(record);
        }
        return true;
    }
    case _MenuConfigGetVerifyCode: {
        quint32 code = 0;
        if (take(message, code))
            emit configGetVerifyCode(qFromLittleEndian(code));
        return true;
    }
    case _MenuDataOutputTactic: {
        s_EventsOutMode record;
        if (take(message, record))
            emit outputTactic(id, record);
        return true;
    }
    case _UsbErrorAnswer:
        if (hasPayload(message, errorRecordSize))
            parseErrorMessage(
                reinterpret_cast<const quint8 *>(message.constData() + m_payloadOffset));
        return true;
    case _UsbBrokenPacket:
        logError(this, QStringLiteral("Board received broken packet"));
        return true;
    default:
        return false;
    }
}

void Protocol::handleSupplyStatus(const QByteArray &message)
{
    switch (deviceLayout().execution) {
    case 0: {
        s_SupplyAndChargerIsp0 record;
        if (take(message, record))
            emit supplyStatusIsp0(record);
        break;
    }
    case 1: {
        s_SupplyAndChargerIsp1 record;
        if (take(message, record))
            emit supplyStatusIsp1(record);
        break;
    }
    case 2: {
        s_SupplyAndChargerIsp2 record;
        if (take(message, record))
            emit supplyStatusIsp2(record);
        break;
    }
    default:
        break;
    }
}

void Protocol::handleSimCardStatus(quint16 id, const QByteArray &message)
{
    if (isMajorVersion1()) {
        s_GSMSimCardOld record;
        if (take(message, record)) {
            logDebug(this, QStringLiteral("GSM SimCard status received"));
            emit updateGSMSimCardOld(id, record);
        }
        return;
    }
    s_GSMSimCard record;
    if (take(message, record)) {
        logDebug(this, QStringLiteral("GSM SimCard status received"));
        emit updateGSMSimCard(id, record);
    }
}

void Protocol::handleChannelStatus(const QByteArray &message)
{
    EventSenderStatus status{};
    if (isFirmwareOlderThan12()) {
        s_EventSenderStatusOld old;
        if (!take(message, old))
            return;
        for (int i = 0; i < 10; ++i)
            std::memcpy(&status.channels[i], &old.channels[i], sizeof(old.channels[i]));
        status.value128 = old.value80;
        status.value130 = old.value82;
        status.value132 = old.value84;
        status.value133 = old.value85;
    } else {
        const int execution = deviceLayout().execution;
        if (execution == 0 || execution == 1) {
            if (!take(message, status))
                return;
        } else if (execution == 2) {
            s_EventSenderStatusIsp2 wide;
            if (!take(message, wide))
                return;
            std::memcpy(status.channels, wide.channels, sizeof(status.channels));
            status.value120 = wide.value192;
            status.value124 = wide.value196;
            status.value128 = wide.value200;
            status.value130 = wide.value202;
            status.value132 = wide.value204;
            status.value133 = wide.value205;
        } else {
            logWarning(this,
                       tr("Channel status ignored: no layout for execution %1").arg(execution));
            return;
        }
    }
    emit channelStatus(status);
}

void Protocol::handleJournalEntry(quint16 id, const QByteArray &message)
{
    s_FullJournalEventIsp2 record;
    if (!take(message, record))
        return;
    m_journalRetries.remove(id);
    logDebug(this, QStringLiteral("Journal event received id: %1").arg(id));
    if (!crcIntact(record)) {
        logWarning(this, QStringLiteral("Journal event broken id: %1").arg(id));
        std::memset(&record, 0, sizeof(record));
    }
    emit journalEntry(id, record);
}

void Protocol::handleUpdateStatus(const QByteArray &message)
{
    s_FW_UPDATE_STATUS record;
    if (!take(message, record))
        return;
    logTrace(this, QStringLiteral("Update status"));
    if (record.state == FW_UPDATE_COMPLETE) {
        logInfo(this, QStringLiteral("Update complete"));
        qDebug().noquote() << tr("Update complete %1").arg(timeNow());
    } else if (record.state == FW_UPDATE_STARTED) {
        logInfo(this, QStringLiteral("Update started"));
        qDebug().noquote()
            << tr("Update device %1 started %2").arg(int(record.device) + 1).arg(timeNow());
    }
    emit updateStatus(record);
}

QString Protocol::firmwareReadBackPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/read_firmware.bin");
}

void Protocol::handleFirmwareReadBack(const QByteArray &message)
{
    logTrace(this, QStringLiteral("Firmware read finished"));
    const QString path = firmwareReadBackPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(message.constData() + m_payloadOffset, message.size() - m_payloadOffset) ==
            message.size() - m_payloadOffset &&
        file.commit();
    if (written)
        logTrace(this, QStringLiteral("Firmware had been written to %1").arg(path));
    else
        logError(this, tr("Firmware could not be written to %1: %2").arg(path, file.errorString()));
}

void Protocol::showPopupMessage(const QByteArray &message)
{
    const quint16 kind = identifier(message);
    const QString text = textFrom(message, m_payloadOffset + popupTextOffset);
    QString title;
    if (kind == 0)
        title = tr("Pop-up Usb message simple text");
    else if (kind == 1)
        title = tr("Balance request answer");
    else
        title = tr("Unknown pop-up Usb message");
    MessageBoxU::warning(text, title);
}
