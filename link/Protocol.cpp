#include "link/Protocol.h"

#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "link/HIDInterface.h"
#include "link/RecordSizeLog.h"

#include <QDebug>
#include <QtEndian>

namespace {
void appendLittleEndian16(QByteArray &message, quint16 value)
{
    message.append(char(value & 0xFF));
    message.append(char(value >> 8));
}

void appendLittleEndian32(QByteArray &message, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        message.append(char((value >> shift) & 0xFF));
}
} // namespace

Protocol::Protocol(HIDInterface *interface, QObject *parent)
    : QObject(parent), m_operationOffset(0), m_identifierOffset(1), m_payloadOffset(3)
{
    registerMetaTypes();
    for (const QString &line : recordSizeLog()) {
        qDebug().noquote() << line;
        logInfo(this, line);
    }
    if (interface) {
        logTrace(this, QStringLiteral("Setting interface"));
        m_interface = interface;
    }
}

Protocol::~Protocol() = default;

Protocol::SenderScope::SenderScope(Protocol *protocol, const PendingWrites::Sender &sender)
    : m_protocol(protocol)
{
    if (!protocol)
        return;
    m_previous = protocol->m_sender;
    protocol->m_sender = sender;
}

Protocol::SenderScope::~SenderScope()
{
    if (m_protocol)
        m_protocol->m_sender = m_previous;
}

void Protocol::setDeviceLayoutSource(std::function<DeviceLayout()> source)
{
    m_layoutSource = std::move(source);
}

void Protocol::registerMetaTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<e_m_err>("e_m_err");
        qRegisterMetaType<quint8>("userAccessType_t");
        qRegisterMetaType<quint8>("rssiTestMode_t");
        qRegisterMetaType<LoginStatus_t>("LoginStatus_t");
        qRegisterMetaType<e_defaultSettResetParam>("e_defaultSettResetParam");
        qRegisterMetaType<s_SimcardControl>("s_SimcardControl");
        qRegisterMetaType<s_ExtMemDataSensor>("s_ExtMemDataSensor");
        qRegisterMetaType<s_ExtMemDataPartition>("s_ExtMemDataPartition");
        qRegisterMetaType<s_ExtMemDataUser>("s_ExtMemDataUser");
        qRegisterMetaType<s_ExtMemDataIButton>("s_ExtMemDataIButton");
        qRegisterMetaType<s_ExtMemDataIButtonConfig>("s_ExtMemDataIButtonConfig");
        qRegisterMetaType<s_ExtMemDataBeeper>("s_ExtMemDataBeeper");
        qRegisterMetaType<s_ExtMemDataLeds>("s_ExtMemDataLeds");
        qRegisterMetaType<s_ExtMemDataObject>("s_ExtMemDataObject");
        qRegisterMetaType<s_ExtMemDataDevice>("s_ExtMemDataDevice");
        qRegisterMetaType<s_ExtMemDataWireless>("s_ExtMemDataWireless");
        qRegisterMetaType<s_ExtMemDataLoop>("s_ExtMemDataLoop");
        qRegisterMetaType<s_ExtMemDataDebug>("s_ExtMemDataDebug");
        qRegisterMetaType<s_ExtMemDataOutGroup>("s_ExtMemDataOutGroup");
        qRegisterMetaType<s_ExtMemDataOutput>("s_ExtMemDataOutput");
        qRegisterMetaType<s_ExtMemDataGSM>("s_ExtMemDataGSM");
        qRegisterMetaType<s_ExtMemDataEth>("s_ExtMemDataEth");
        qRegisterMetaType<s_ExtMemDataGSMDirection>("s_ExtMemDataGSMDirection");
        qRegisterMetaType<s_fw_info>("s_fw_info");
        qRegisterMetaType<s_DeviceStatus>("s_DeviceStatus");
        qRegisterMetaType<s_SettingsVersions>("s_SettingsVersions");
        qRegisterMetaType<s_DeviceLoadProgress>("s_DeviceLoadProgress");
        qRegisterMetaType<s_FW_UPDATE_STATUS>("s_FW_UPDATE_STATUS");
        qRegisterMetaType<EventSenderStatus>("EventSenderStatus");
        qRegisterMetaType<s_WirelessStatus>("s_WirelessStatus");
        qRegisterMetaType<s_FullSensorData>("s_FullSensorData");
        qRegisterMetaType<s_FullLoopData>("s_FullLoopData");
        qRegisterMetaType<s_FullJournalEventIsp2>("s_FullJournalEventIsp2");
        qRegisterMetaType<s_FullDebugJournalEvent>("s_FullDebugJournalEvent");
        qRegisterMetaType<u_DateSTM32F4xx>("u_DateSTM32F4xx");
        qRegisterMetaType<u_TimeSTM32F4xx>("u_TimeSTM32F4xx");
        qRegisterMetaType<s_SimcardStatus>("s_SimcardStatus");
        qRegisterMetaType<s_SensorIntData>("s_SensorIntData");
        qRegisterMetaType<s_PartitionStatus>("s_PartitionStatus");
        qRegisterMetaType<s_OutputStatus>("s_OutputStatus");
        qRegisterMetaType<s_EventsOutMode>("s_EventsOutMode");
        qRegisterMetaType<s_LoopStatus>("s_LoopStatus");
        qRegisterMetaType<s_FullHalvorDevData>("s_FullHalvorDevData");
        qRegisterMetaType<s_OutGroups>("s_OutGroups");
        qRegisterMetaType<GSMStatus_t>("GSMStatus_t");
        qRegisterMetaType<GSMStatusOld_t>("GSMStatusOld_t");
        qRegisterMetaType<s_GSMSimCard>("s_GSMSimCard");
        qRegisterMetaType<s_GSMSimCardOld>("s_GSMSimCardOld");
        qRegisterMetaType<MacAddr>("MacAddr");
        qRegisterMetaType<s_rssiTestAnswer>("s_rssiTestAnswer");
        qRegisterMetaType<s_SupplyAndChargerIsp0>("s_SupplyAndChargerIsp0");
        qRegisterMetaType<s_SupplyAndChargerIsp1>("s_SupplyAndChargerIsp1");
        qRegisterMetaType<s_SupplyAndChargerIsp2>("s_SupplyAndChargerIsp2");
        qRegisterMetaType<s_UsbRealtimeDataRead>("s_UsbRealtimeDataRead");
        qRegisterMetaType<s_UsbTxRtmDataTypesTable>("s_UsbTxRtmDataTypesTable");
        qRegisterMetaType<s_UsbTxRtmTitles>("s_UsbTxRtmTitles");
        qRegisterMetaType<s_SensEEPromData>("s_SensEEPromData");
        return true;
    }();
    Q_UNUSED(registered);
}

// ---- Message building ----------------------------------------------------------------------

QByteArray Protocol::header(e_ID_OPER operId, quint16 index16) const
{
    QByteArray message;
    message.append(char(operId));
    appendLittleEndian16(message, index16);
    return message;
}

void Protocol::send(const QByteArray &message)
{
    if (message.size() >= 3) {
        const quint8 operation = quint8(message.at(0));
        const quint16 id = qFromLittleEndian<quint16>(message.constData() + 1);
        if (PendingWrites::isRefusable(operation))
            m_pendingWrites.add(operation, id, m_sender);
        m_writeEchoes.written(operation, id, message.mid(3));
    }
    if (m_interface)
        m_interface->send(message);
}

void Protocol::sendToDevice(e_ID_OPER operId)
{
    send(header(operId, 0));
}

void Protocol::sendToDevice(e_ID_OPER operId, quint16 index16)
{
    send(header(operId, index16));
}

void Protocol::sendToDevice(e_ID_OPER operId, quint16 index16, quint16 in_flag3)
{
    QByteArray message = header(operId, index16);
    appendLittleEndian16(message, in_flag3);
    send(message);
}

void Protocol::sendToDevice(e_ID_OPER operId, const quint8 *in_pData, int in_sz)
{
    sendToDevice(operId, 0, in_pData, in_sz);
}

void Protocol::sendToDevice(e_ID_OPER operId, quint16 index16, const quint8 *in_pData, int in_sz)
{
    QByteArray message = header(operId, index16);
    if (in_pData && in_sz > 0)
        message.append(reinterpret_cast<const char *>(in_pData), in_sz);
    send(message);
}

// ---- Plain requests ------------------------------------------------------------------------

void Protocol::readAllSettings()
{
    qDebug() << "readAllSettings. _MenuConfigReadAllSettings";
    m_writeEchoes.clear();
    sendToDevice(_MenuConfigReadAllSettings);
}

void Protocol::readSensorStatus(quint16 id)
{
    sendToDevice(_MenuDataReadSensorStatus, id);
}
void Protocol::readSensorData(quint16 id)
{
    sendToDevice(_MenuConfigReadSensor, id);
}
void Protocol::readSensorFullData(quint16 id)
{
    sendToDevice(_MenuDataReadFullSensorData, id);
}
void Protocol::deleteSensor(quint16 id)
{
    sendToDevice(_MenuConfigDeleteSensor, id);
}
void Protocol::readPartitionStatus(quint16 id)
{
    sendToDevice(_MenuDataReadPartitionStatus, id);
}
void Protocol::readPartitionData(quint16 id)
{
    sendToDevice(_MenuConfigReadPartition, id);
}
void Protocol::readOutputStatus(quint16 id)
{
    sendToDevice(_MenuDataReadOutputStatus, id);
}
void Protocol::readOutputData(quint16 id)
{
    sendToDevice(_MenuConfigReadOutput, id);
}
void Protocol::readIButtonData(quint16 id)
{
    sendToDevice(_MenuConfigReadIButton, id);
}
void Protocol::deleteIButton(quint16 id)
{
    sendToDevice(_MenuConfigDeleteIButton, id);
}
void Protocol::readUserSettings(quint16 id)
{
    sendToDevice(_MenuConfigReadUser, id);
}
void Protocol::deleteUser(quint16 id)
{
    sendToDevice(_MenuConfigDeleteUser, id);
}
void Protocol::readDirection(quint16 id)
{
    sendToDevice(_MenuConfigReadDirection, id);
}
void Protocol::deleteDirection(quint16 id)
{
    sendToDevice(_MenuConfigDeleteDirection, id);
}
void Protocol::readLoopFullData()
{
    sendToDevice(_MenuDataReadFullLoopData);
}
void Protocol::readBeeperData()
{
    sendToDevice(_MenuConfigReadBeeper);
}
void Protocol::readLedsData()
{
    sendToDevice(_MenuConfigReadLeds);
}
void Protocol::readObjectData()
{
    sendToDevice(_MenuConfigReadObject);
}

void Protocol::readEthernetData()
{
    if (!m_blockStatusReading)
        sendToDevice(_MenuConfigReadEthernet);
}

void Protocol::readDeviceData()
{
    sendToDevice(_MenuConfigReadDevice);
}
void Protocol::readWirelessData()
{
    sendToDevice(_MenuConfigReadWireless);
}
void Protocol::readWirelessStatus()
{
    sendToDevice(_MenuDataReadWirelessStatus);
}
void Protocol::readDateTime()
{
    sendToDevice(_MenuConfigReadDateTime);
}
void Protocol::readDebugData()
{
    sendToDevice(_MenuConfigReadDebug);
}
void Protocol::readGSMSettings()
{
    sendToDevice(_MenuConfigReadGSM);
}
void Protocol::readGSMStatus()
{
    sendToDevice(_MenuDataReadGSMStatus);
}
void Protocol::balanceRequest(quint16 sim_num)
{
    sendToDevice(_MenuDataBalanceRequest, sim_num);
}
void Protocol::enableConfig(bool enable)
{
    sendToDevice(_MenuConfigEnableSensorAdding, enable ? 1 : 0);
}
void Protocol::setPartitionForNewSensors(quint16 partition)
{
    sendToDevice(_MenuConfigSetPartitionForNewSensors, partition);
}
void Protocol::enableIButtonAdding(bool enable)
{
    sendToDevice(_MenuConfigEnableIButtonAdding, enable ? 1 : 0);
}
void Protocol::readJournal(quint16 id)
{
    sendToDevice(_MenuDataReadJournal, id);
}
void Protocol::readJournalFromIndex(quint16 id)
{
    sendToDevice(_MenuDataReadJournalFromIndex, id);
}
void Protocol::readJournalTail()
{
    sendToDevice(_MenuDataReadJournalTail);
}
void Protocol::clearJournal()
{
    sendToDevice(_MenuDataClearJournal);
}
void Protocol::resetTranslations()
{
    sendToDevice(_MenuConfigResetTranslations);
}
void Protocol::readDebugJournal(quint16 id)
{
    sendToDevice(_MenuDataReadDebugJournal, id);
}
void Protocol::clearDebugJournal()
{
    sendToDevice(_MenuDataClearDebugJournal);
}
void Protocol::readFirmware(quint16 id)
{
    sendToDevice(_FwRead, id);
}

void Protocol::eraseFlash(quint16 id)
{
    logStep(tr("Start of flash erasing"));
    sendToDevice(_FwEraseFlash, id);
}

void Protocol::readFirmwareVersion(quint16 id)
{
    qDebug() << "send _MenuConfigReadFwHeader id=" << id;
    sendToDevice(_MenuConfigReadFwHeader, id);
}

void Protocol::readFirmwareVersion(quint16 id, quint16 sensId)
{
    sendToDevice(_MenuConfigReadFwHeader, id, sensId);
}

void Protocol::resetSettings(e_defaultSettResetParam parameter)
{
    sendToDevice(_MenuConfigResetSettings, quint16(parameter));
}

void Protocol::resetSettings(e_defaultSettResetParam parameter, quint16 index)
{
    sendToDevice(_MenuConfigResetSettings, quint16(parameter), index);
}

void Protocol::factoryReset()
{
    resetSettings(ResetAll);
}
void Protocol::logout()
{
    sendToDevice(_UsbLogout);
}
void Protocol::disableLogout()
{
    sendToDevice(_UsbDisableLogout);
}

// ---- Firmware ------------------------------------------------------------------------------

void Protocol::logStep(const QString &text)
{
    logDebug(this, text);
    qDebug().noquote() << text;
}

void Protocol::updateCore()
{
    logStep(tr("Update core"));
    sendToDevice(_FwUpdate, FwUpdateCore);
}

void Protocol::updateBootLoader()
{
    logStep(tr("Update boot loader"));
    sendToDevice(_FwUpdate, FwUpdateBootLoader);
}

void Protocol::updateRadio()
{
    logDebug(this, tr("Update radio"));
    qDebug().noquote() << tr("Update radio") + QLatin1Char(' ');
    sendToDevice(_FwUpdate, FwUpdateRadio);
}

void Protocol::updateSensor(quint16 id)
{
    sendToDevice(_FwUpdate, FwUpdateSensor, id);
}

void Protocol::stopSensorUpdate()
{
    logStep(tr("Stop updating"));
    // A fresh writer makes the stop command the first message the device sees.
    if (m_interface) {
        m_interface->stopWriter();
        m_interface->restartWriter();
    }
    sendToDevice(_FwStopUpdate);
}

void Protocol::writeFirmware(quint16 id, const QByteArray &data)
{
    if (data.isEmpty()) {
        logStep(tr("Initialization of writing Web"));
    } else {
        logStep(tr("Start of firmware (e_FwId=%1) writing").arg(id));
        qDebug() << "data.size() =" << data.size();
    }
    send(header(_FwWrite, id) + data);
}

void Protocol::updateWeb(const QByteArray &data)
{
    logStep(tr("Update Web"));
    send(header(_FwUpdate, FwUpdateWeb) + data);
}

void Protocol::setRetranslatorForSensor(quint16 sensid, quint16 retransId)
{
    sendToDevice(_MenuConfigSetRetranslator, sensid, retransId);
}

// ---- Record writes -------------------------------------------------------------------------

void Protocol::writeSensorData(quint16 id, const s_ExtMemDataSensor &s)
{
    sendToDevice(_MenuConfigWriteSensor, id, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::writeSensorDataForced(quint16 id, const s_ExtMemDataSensor &s)
{
    sendToDevice(_MenuConfigWriteSensorForced, id, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::writePartitionData(quint16 id, const s_ExtMemDataPartition &s)
{
    sendToDevice(_MenuConfigWritePartition, id, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::writeOutputData(quint16 id, const s_ExtMemDataOutput &s)
{
    sendToDevice(_MenuConfigWriteOutput, id, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::writeIButtonData(quint16 id, const s_ExtMemDataIButton &s)
{
    sendToDevice(_MenuConfigWriteIButton, id, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::sendFlagged(e_ID_OPER operId, quint16 id, quint32 flag, const void *record, int size)
{
    QByteArray message = header(operId, id);
    message.append(static_cast<const char *>(record), size);
    appendLittleEndian32(message, flag);
    appendLittleEndian32(message, 0);
    send(message);
}

void Protocol::writeUserSettings(quint16 id, const s_ExtMemDataUser &s, bool isFromFile)
{
    sendFlagged(_MenuConfigWriteUser, id, isFromFile ? 1 : 0, &s, sizeof(s));
}

void Protocol::writeDirection(quint16 id, const s_ExtMemDataGSMDirection &s, bool isFromFile)
{
    sendFlagged(_MenuConfigWriteDirection, id, isFromFile ? 1 : 0, &s, sizeof(s));
}

void Protocol::writeLoopData(const s_ExtMemDataLoop &s)
{
    sendToDevice(_MenuConfigWriteLoop, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::writeDeviceData(const s_ExtMemDataDevice &s)
{
    sendToDevice(_MenuConfigWriteDevice, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::writeDebugData(const s_ExtMemDataDebug &s)
{
    sendToDevice(_MenuConfigWriteDebug, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::writeDateTime(const u_DateSTM32F4xx &d, const u_TimeSTM32F4xx &t)
{
    QByteArray message = header(_MenuConfigWriteDateTime, 0);
    appendLittleEndian32(message, d.value);
    appendLittleEndian32(message, t.value);
    send(message);
}

// ---- Commands with layouts of their own ----------------------------------------------------

void Protocol::login(const QString &username, const QString &password)
{
    // The password stays out of every log: only the login is shown.
    qDebug().noquote() << tr("User authorization %1 (%2)").arg(username, QStringLiteral("***"));
    sendLoginBlock(username, password, false);
}

void Protocol::forgotPassword(const QString &username)
{
    sendLoginBlock(username, QString(), true);
}

void Protocol::sendLoginBlock(const QString &username, const QString &password, bool forgotten)
{
    QByteArray block(loginBlockSize, '\0');
    const QByteArray name = username.toUtf8().left(loginFieldSize);
    block.replace(0, name.size(), name);
    if (!forgotten) {
        const QByteArray secret = password.toUtf8().left(loginFieldSize);
        block.replace(loginFieldSize, secret.size(), secret);
    }
    block[2 * loginFieldSize] = forgotten ? 1 : 0;
    send(header(_UsbLogin, 0) + block);
}

void Protocol::reboot()
{
    sendToDevice(_UsbReboot, 0xABCD);
}

void Protocol::sendTakePartition(bool takeOn, quint32 mask)
{
    QByteArray message = header(takeOn ? _UsbTakeOnPartition : _UsbTakeOffPartition, 0);
    appendLittleEndian32(message, mask);
    send(message);
}

void Protocol::lockPartition(quint8 id)
{
    sendTakePartition(true, quint32(1) << (id % 32));
}

void Protocol::unlockPartition(quint8 id)
{
    sendTakePartition(false, quint32(1) << (id % 32));
}

void Protocol::sendTestSMS(const QString &number, const QString &message)
{
    // The number field is always 16 bytes, so the text starts at the same place
    // whatever the number's length.
    QByteArray numberField = number.toUtf8().left(smsNumberFieldSize);
    numberField.append(QByteArray(smsNumberFieldSize - numberField.size(), '\0'));
    QByteArray packet = header(_MenuDataSendTestSMS, 0);
    packet.append(numberField);
    packet.append(message.toUtf8());
    packet.append('\0');
    send(packet);
}

void Protocol::sendSimControl(const s_SimcardControl &s)
{
    qDebug() << "send s_SimcardControl command =" << int(s.command);
    sendToDevice(_SimControlStatus, reinterpret_cast<const quint8 *>(&s), sizeof(s));
}

void Protocol::rssiTestStart(rssiTestMode_t mode, quint16 id, bool state)
{
    s_rssiTestRequest request{};
    request.mode = mode;
    request.flags = state ? 1 : 0;
    sendToDevice(_MenuDataRssiTest, id, reinterpret_cast<const quint8 *>(&request),
                 sizeof(request));
    showStatus(state ? tr("Radio analysis (mode %1) started for device %2").arg(mode).arg(id + 1)
                     : tr("Radio analysis (mode %1) stopped for device %2").arg(mode).arg(id + 1));
}

// The main window's status bar, when there is a main window that shows messages.
void Protocol::showStatus(const QString &text)
{
    Overmind *overmind = Overmind::instance();
    QObject *window = overmind ? static_cast<QObject *>(overmind->mainWindow()) : nullptr;
    if (!window)
        return;
    const QByteArray slot = QMetaObject::normalizedSignature("onMessageReceived(QString)");
    if (window->metaObject()->indexOfMethod(slot.constData()) >= 0)
        QMetaObject::invokeMethod(window, "onMessageReceived", Q_ARG(QString, text));
}

void Protocol::rssiTestStart(rssiTestMode_t mode, quint16 id)
{
    rssiTestStart(mode, id, true);
}

void Protocol::setBlockStatusReading(bool state)
{
    m_blockStatusReading = state;
}
