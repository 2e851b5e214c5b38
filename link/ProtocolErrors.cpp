// Error answers of Protocol: the device's 0xF0 answer and the texts of its error codes.
#include "link/Protocol.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "link/DeviceErrorTexts.h"

#include <QDebug>
#include <QtEndian>

namespace {
// Device error codes the protocol reacts to.
enum DeviceError : e_m_err
{
    ErrFirmwareWriteAddress = 27,
    ErrChecksum = 68,
    ErrWrongLogin = 75,
    ErrPasswordRequired = 76,
    ErrAccessLevel = 77,
    ErrJournalEventEmpty = 79,
    ErrCoordinatorOff = 80,
    ErrDecrypt = 83,
    ErrMutexTimeout = 87,
    ErrSensorLimit = 90,
    ErrPartitionSettings = 93,
    ErrPartitionNumberTaken = 94,
    ErrPartitionNameTaken = 96,
    ErrSettingsMemoryEmpty = 104,
    ErrUserCrc = 3000,
};

bool isQuietFirmwareError(e_m_err code)
{
    return code >= 26 && code <= 35;
}

const char accessDeniedText[] = "Недостаточно прав для совершения данной операции!";
} // namespace

QString Protocol::firmwareUpdateErrorString(e_m_err in_code)
{
    const QString text = deviceErrorText(in_code);
    if (!text.isEmpty())
        return text;
    return tr("Unknow error 0x%1").arg(in_code, 2, 16, QLatin1Char('0'));
}

void Protocol::parseErrorMessage(const quint8 *record)
{
    const quint8 operation = record[0];
    const e_m_err code = qFromLittleEndian<quint16>(record + 2);
    const quint16 id = qFromLittleEndian<quint16>(record + 4);
    const QString text = firmwareUpdateErrorString(code);
    logError(this,
             QStringLiteral("Error while operation 0x%1: %2").arg(operation, 0, 16).arg(text));

    switch (operation) {
    case _MenuDataReadJournal:
        handleJournalReadError(code, id);
        break;
    case _MenuConfigWritePartition:
        // Shown once, with the partition it was about, by whoever hears of the refusal.
        break;
    case _FwWrite:
        emit writeFirmwareCodeError(code);
        if (!isQuietFirmwareError(code))
            MessageBoxU::warning(text, tr("Error fw update"));
        break;
    case _MenuConfigReadFwHeader: {
        qDebug() << "case _MenuConfigReadFwHeader: in Protocol::parseErrorMessage";
        s_fw_info empty{};
        emit firmwareVersion(id, empty);
        break;
    }
    case _MenuConfigReadUser:
        if (code == ErrUserCrc)
            logError(this, QStringLiteral("Проблема с CRC"));
        break;
    case _MenuConfigWriteUser:
        logError(this, tr("Error writing user from configuration"));
        break;
    case _UsbTakeOnPartition:
    case _UsbTakeOffPartition:
        if (code == ErrAccessLevel)
            logError(this, QString::fromUtf8(accessDeniedText));
        break;
    case _MenuConfigWriteIButton:
        break;
    case _MenuConfigGetSupportedSettingsVersions:
        logError(this, QStringLiteral("Error while _MenuConfigGetSupportedSettingsVersions"));
        break;
    case _FwUpdate:
    case _FwStopUpdate:
    case _FwEraseFlash:
    case _FwUpdateStatus:
        emit writeFirmwareCodeError(code);
        break;
    default:
        handleOtherOperationError(code, text);
        break;
    }
    if (PendingWrites::isRefusable(operation))
        routeRefusal(operation, code, id, text);
}

// One refusal, one report: the sender that still waits restores what the device holds,
// and whoever listens tells the user once.
void Protocol::routeRefusal(quint8 operation, e_m_err code, quint16 id, const QString &text)
{
    const PendingWrites::Sender sender = m_pendingWrites.take(operation, id);
    m_writeEchoes.refused(operation, id);
    WriteRefusal refusal;
    refusal.operation = operation;
    refusal.code = code;
    refusal.id = id;
    refusal.deviceText = text;
    const QString what = PendingWrites::describe(operation);
    refusal.subject =
        sender.name.isEmpty() ? what : QStringLiteral("%1 \"%2\"").arg(what, sender.name);
    refusal.senderTold = sender.object && sender.onRefused;
    if (refusal.senderTold)
        sender.onRefused(refusal);
    emit writeRefused(operation, code, id, refusal.subject, text);
}

void Protocol::readBackRefused(const WriteRefusal &refusal)
{
    static const QHash<quint16, e_ID_OPER> resetReads = {
        {ResetObject, _MenuConfigReadObject},
        {ResetDateTime, _MenuConfigReadDateTime},
        {ResetDevice, _MenuConfigReadDevice},
        {ResetLeds, _MenuConfigReadLeds},
        {ResetBeeper, _MenuConfigReadBeeper},
        {ResetEthernet, _MenuConfigReadEthernet},
        {ResetWireless, _MenuConfigReadWireless},
        {ResetGSM, _MenuConfigReadGSM},
        {ResetIButtonIndication, _MenuConfigReadIButtonIndication},
        {ResetDebug, _MenuConfigReadDebug},
    };
    // Keys and radio devices leave the program only when the device confirms their
    // deletion, so a refused one is still shown and needs no reading.
    static const QHash<quint8, e_ID_OPER> blockReads = {
        {_MenuConfigWriteDateTime, _MenuConfigReadDateTime},
        {_MenuConfigWriteSensor, _MenuConfigReadSensor},
        {_MenuConfigWriteSensorForced, _MenuConfigReadSensor},
        {_MenuConfigWritePartition, _MenuConfigReadPartition},
        {_MenuConfigWriteOutput, _MenuConfigReadOutput},
        {_MenuConfigWriteIButton, _MenuConfigReadIButton},
        {_MenuConfigWriteBeeper, _MenuConfigReadBeeper},
        {_MenuConfigWriteLeds, _MenuConfigReadLeds},
        {_MenuConfigWriteObject, _MenuConfigReadObject},
        {_MenuConfigWriteDevice, _MenuConfigReadDevice},
        {_MenuConfigWriteWireless, _MenuConfigReadWireless},
        {_MenuConfigWriteLoop, _MenuDataReadFullLoopData},
        {_MenuConfigWriteGSM, _MenuConfigReadGSM},
        {_MenuConfigWriteUser, _MenuConfigReadUser},
        {_MenuConfigDeleteUser, _MenuConfigReadUser},
        {_MenuConfigWriteIButtonIndication, _MenuConfigReadIButtonIndication},
        {_MenuConfigWriteDirection, _MenuConfigReadDirection},
        {_MenuConfigDeleteDirection, _MenuConfigReadDirection},
        {_MenuConfigWriteEthernet, _MenuConfigReadEthernet},
        {_MenuConfigWriteDebug, _MenuConfigReadDebug},
        {_MenuConfigWriteOutGroup, _MenuConfigReadOutGroup},
        {_MenuConfigWriteHalvor, _MenuConfigReadHalvor},
    };
    if (refusal.operation == _MenuConfigResetSettings) {
        const auto read = resetReads.constFind(refusal.id);
        if (read != resetReads.constEnd())
            sendToDevice(*read);
        return;
    }
    const auto read = blockReads.constFind(refusal.operation);
    if (read != blockReads.constEnd())
        sendToDevice(*read, refusal.id);
}

void Protocol::handleJournalReadError(e_m_err code, quint16 id)
{
    switch (code) {
    case ErrMutexTimeout:
        logWarning(this, QStringLiteral("Mutex timeout error. Journal id: %1").arg(id));
        retryJournalEntry(id);
        break;
    case ErrDecrypt:
        logWarning(this, QStringLiteral("Decrypt journal data error. Journal id: %1").arg(id));
        retryJournalEntry(id);
        break;
    case ErrChecksum:
        logWarning(this, QStringLiteral("CRC Error. Journal id: %1").arg(id));
        deliverEmptyJournalEntry(id);
        break;
    case ErrJournalEventEmpty:
        logWarning(this, QStringLiteral("Journal event empty. Journal id: %1").arg(id));
        deliverEmptyJournalEntry(id);
        break;
    default:
        logWarning(this,
                   QStringLiteral("Unknown journal read error. Journal id: %1  error code: %2")
                       .arg(id)
                       .arg(code));
        break;
    }
}

void Protocol::retryJournalEntry(quint16 id)
{
    // A device that keeps failing must not hold the journal reader in a loop.
    int &attempts = m_journalRetries[id];
    if (attempts >= journalRetryLimit) {
        logWarning(this, tr("Journal entry %1 still unreadable after %2 attempts")
                             .arg(id)
                             .arg(journalRetryLimit));
        deliverEmptyJournalEntry(id);
        return;
    }
    ++attempts;
    readJournal(id);
}

void Protocol::deliverEmptyJournalEntry(quint16 id)
{
    m_journalRetries.remove(id);
    s_FullJournalEventIsp2 empty{};
    emit journalEntry(id, empty);
}

void Protocol::handleOtherOperationError(e_m_err code, const QString &text)
{
    switch (code) {
    case ErrWrongLogin:
        emit loginStatus(LOGIN_FAILED, 255, 0);
        break;
    case ErrPasswordRequired:
        logError(this, QStringLiteral("Требуется ввод пароля"));
        emit loginRequired(-1);
        break;
    case ErrAccessLevel:
        logError(this, QString::fromUtf8(accessDeniedText));
        break;
    case ErrCoordinatorOff:
        logError(this, QStringLiteral("Ошибка возникает при попытке отправки команд в выключенный "
                                      "координатор (например команду разрешения конфигурирования "
                                      "датчиков)"));
        break;
    case ErrSensorLimit:
        logError(this, QStringLiteral("Ошибка достигнуто максимальное количество датчиков"));
        emit addSensorsStatus(false);
        break;
    case ErrFirmwareWriteAddress:
        logError(this, text);
        emit writeFirmwareCodeError(ErrFirmwareWriteAddress);
        break;
    case ErrSettingsMemoryEmpty:
        logError(this, text);
        emit memEmptyError(text);
        break;
    default:
        logError(this, text);
        break;
    }
}
