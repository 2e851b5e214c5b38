#include "journal/AssertLogView.h"

#include "app/FileChooser.h"
#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "journal/CodePageText.h"
#include "journal/Journal.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/settings/DeviceSettings.h"

#include <QDir>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QtEndian>

#include <cstring>

namespace {
constexpr int PayloadAt = 6;
constexpr int PayloadSize = 46;

const char *const FaultNames[] = {
    "APPLICATION_MALLOC_FAILED_HOOK",
    "STACK_OVERFLOW_HOOK",
    "HARD_FAULT",
    "FREE_RTOS",
    "DRIVER_GSM_MCU_SLEEP",
    "DRIVER_GSM_TRANSMIT",
    "DRIVER_GSM_FAIL_POWER_SWITCH",
    "DRIVER_GSM_SIMCARD_SWITCH",
    "DRIVER_GSM_POWER_UNEXPECTED_CHANGE",
    "DRIVER_GSM_TX_FAIL",
    "GSM_AT_WITH_STRANGE_RESPONSE",
    "GSM_AT_WITH_STRANGE_RESPONSE2",
    "GSM_TRANSMIT_IN_DATA_MODE",
    "GSM_SET_SLEEP_STATE",
    "GSM_SET_SLEEP_STATE2",
    "GSM_CHECK_BUFFER_AFTER_SLEEP",
    "GSM_CHECK_BUFFER_AFTER_SLEEP2",
    "GSM_ATWITHRESPONSE_COMMAND_SEND",
    "GSM_ATWITHRESPONSE_COMMAND_SEND2",
    "USB_HANDLER_UNSUPPORT_OPERATION_EP1",
    "USB_HANDLER_UNSUPPORT_OPERATION_EP2",
    "UsbTxEp1_ISR_MUTEX_BUSY",
    "UsbTxEp1_RTOS_MUTEX_BUSY",
    "UsbTxEp2_RTOS_MUTEX_BUSY",
    "UsbTxEp3_RTOS_MUTEX_BUSY",
    "BEEPER_EVENT_NOT_SUPPORT",
    "OUT_ZERO_HANDLE_PTR",
    "OUT_INDEX_NOT_SUPPORT",
    "RF_DEV_TX_COMM_WRONG_DATA_SIZE",
    "RF_DEV_TX_DATA_WRONG_DATA_SIZE",
    "RF_DEV_TX_COMM_QUEUE_OVF",
    "RF_DEV_TX_DATA_QUEUE_OVF",
    "RF_DEV_TX_ACK_QUEUE_OVF",
    "RF_DEV_RX_ACK_QUEUE_OVF",
    "RF_DEV_INDEX_ERROR",
    "RF_SENSOR_INT_DATA_CRC_ERROR",
    "RF_PACKET_TYPE_ERROR",
    "RTC_DIVIDER_ERROR",
    "EXT_MEM_MAP_SIZE_ERROR",
    "ENCR_INT_BUF_DATA_SIZE_ERROR",
    "OUT_QUEUE_OVF",
    "OUT_TACTIC_TYPE_ERROR",
    "OUT_EVENT_TYPE_ERROR",
    "KEY_ACCESS_TYPE_ERROR",
    "JOURNAL_EVT_WR_CRC_CHECK_ERR",
    "JOURNAL_EVT_ACK_INDEX_ERR",
    "PARTITION_ZONE_TYPE_ERR",
    "PARTITION_NOT_USED_ZEVENT",
    "PARTITION_NOT_SUPPORTED_ZEVENT",
    "PARTITION_INDEX_ERR",
    "PART_TAKE_SOURCE_NOT_SUPPORT",
    "TASK_CREATE_ERROR",
    "KEYCHAIN_CTRL_COMM_ERROR",
    "MK1_FIRMWARE_UPDATE_ERROR",
    "RF_FW_DATA_SEND_ACK_ERROR",
    "RF_FW_DATA_SEND_BLOCK_ERROR",
    "RF_FW_SIZE_ERROR",
    "RF_FW_DEV_NOT_RECEIVE_FW_BEGIN",
    "RF_SMK_TRAIN_STATE_ERROR",
    "RF_SENS_SEND_SETT_ERROR",
    "RF_DEV_TYPE_ERROR",
    "RF_OUT_SETT_ERROR",
    "RF_REGULAR_PACK_ERROR",
    "ASSERT_SIMPLE_TEXT",
    "USER_SMS_UNSUPPORTED_SENSOR_EVENT",
    "USER_SMS_UNSUPPORTED_PARTITION_EVENT",
    "USER_SMS_UNSUPPORTED_POWER_SUPPLY_EVENT",
    "USER_SMS_UNSUPPORTED_SYSTEM_EVENT",
    "QUENOR3_SMS_UNSUPPORTED_SENSOR_EVENT",
    "QUENOR3_SMS_UNSUPPORTED_PARTITION_EVENT",
    "QUENOR3_SMS_UNSUPPORTED_POWER_SUPPLY_EVENT",
    "QUENOR3_SMS_UNSUPPORTED_SYSTEM_EVENT",
    "BLOK_STATE_CONTROL_TASKS_ERROR",
    "GSM_FAIL_TIME_SYNC",
    "EVENT_MANAGER_STRANGE_TEST_STATE",
    "GSM_CHANNEL_TEST_LOST_SEMAPHORE",
    "GSM_CHANNEL_TEST_LOST_SEMAPHORE2",
    "GSM_CHANNEL_TEST_NO_SUCH_TEST",
    "GSM_CHANNEL_TEST_LOST_EVENT",
    "GSM_CHANNEL_TEST_FAIL_INDEPENDENT_TEST",
    "CRON_FAIL_ALLOCATE_NEW_TIMER",
    "EVENT_MANAGER_CHANNEL_DIRECTION_STATUS_FAIL",
    "EVENT_MANAGER_CHANNEL_ACTIVE_DIRECTION_FAIL",
    "EVENT_MANAGER_CHANNEL_BRAKE_CHANNEL_ID",
    "GSM_CHANNEL_CALL_ARRAY_FAIL",
    "GSM_CHANNEL_SMS_ARRAY_FAIL",
    "GMS_CHANNEL_CALL_STRANGE_TYPE",
    "GSM_CHANNEL_LOST_CALL_STATE",
    "GSM_CHANNEL_DOUBLE_CALL",
    "GSM_CHANNEL_DUPLICATE_EVENTS",
    "GSM_CHANNEL_NO_SUCH_EVENT_TYPE",
    "GSM_CHANNEL_NO_SUCH_SMS_EVENT_TYPE",
    "GSM_DEBUG_CALL",
    "RF_DEV_TX_COMM_ERR",
    "RF_DEV_TX_DATA_ERR",
    "GSM_CHANNEL_LOST_EVENT",
    "GSM_CHANNEL_BREAKED_EVENT",
    "STACK_OVERFLOW_CHECK",
    "POTENTIAL_TASK_STACK_OVERFLOW",
    "MALLOC_TEST",
    "HALVOR",
    "HALVOR_QUEUE_OVF",
    "IK_ALARM_TEST",
    "CRITICAL_NESTING",
    "READ_DECR_SETT",
    "WRITE_DECR_SETT",
    "MENU_CONFIG_READ",
    "MENU_CONFIG_WRITE",
    "MENU_CONFIG_WRITE_COORD_DATA",
    "CALL_STACK_MSP",
    "CALL_STACK_PSP",
    "TASK_FREE_STACK",
    "CONFIG_ASSERT",
    "SNPRINTF_CHECKER",
    "STRLEN_CHECKER",
    "FREE_SPACE_CHECKER",
    "SOFT_WATCHDOG",
    "GSM_CALL_STACK",
    "SLEEP_SEM_ERROR",
    "SIM_SLEEP_SEM_ERROR",
    "SLEEP_SEM_ERROR2",
    "COORDINATOR_FAILURE",
    "USB_ERROR1",
    "USB_ERROR2",
    "USB_ERROR3",
    "USB_ERROR4",
    "COORD_RX_STACK",
    "COORD_TX_STACK",
    "SIM_RX_STACK",
    "SIM_TX_STACK",
    "MEMORY_MONITOR",
    "V_PORT_FREE",
    "SMS_SENDER_ADDR",
    "SMS_MESS_TEXT",
    "SMS_MESS_TEXT_UTF16",
    "SMS_MESS_TEXT_bytes",
    "SMS_MESS_PDU",
    "SMS_MESS_ENCODED",
    "BATTERY_DATA",
};
static_assert(std::size(FaultNames) == 139, "139 fault names");

QString numberItem(quint32 value)
{
    return QStringLiteral("0x%1 (%2)").arg(value, 0, 16).arg(value);
}

// Items of `width` bytes; a count claiming more than the payload holds is cut to what fits.
template <typename T> QStringList items(const quint8 *payload, int count, int room)
{
    QStringList texts;
    const int fit = qMin(count, room / int(sizeof(T)));
    for (int i = 0; i < fit; ++i)
        texts.append(numberItem(quint32(qFromLittleEndian<T>(payload + i * int(sizeof(T))))));
    return texts;
}
} // namespace

AssertLogView::AssertLogView(QWidget *parent)
    : QWidget(parent),
      m_read(new QPushButton(QIcon(QStringLiteral(":/images/debug.png")), tr("Read log"), this)),
      m_erase(new QPushButton(QIcon(QStringLiteral(":/images/clear.png")), tr("Erase log"), this)),
      m_pane(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("AssertLogView"));
    resize(600, 300);
    setWindowTitle(tr("Form"));
    m_read->setObjectName(QStringLiteral("pbRead"));
    m_read->setMinimumWidth(200);
    m_erase->setObjectName(QStringLiteral("pbErase"));
    m_erase->setMinimumWidth(200);
    m_pane->setObjectName(QStringLiteral("ptLog"));
    m_pane->setReadOnly(true);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_read, 0, 0);
    grid->addWidget(m_erase, 0, 1);
    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 2);
    grid->addWidget(m_pane, 1, 0, 1, 3);

    connect(m_read, &QPushButton::clicked, this, &AssertLogView::readLog);
    connect(m_erase, &QPushButton::clicked, this, &AssertLogView::eraseLog);
    if (Overmind *overmind = Overmind::instance())
        connect(overmind, &Overmind::connected, this, &AssertLogView::rebind);
    rebind();
}

void AssertLogView::rebind()
{
    disconnect(m_binding);
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        m_binding = connect(overmind->protocol(), &Protocol::debugJournalEntry, this,
                            &AssertLogView::debugEntryReceived);
}

void AssertLogView::readLog()
{
    // The controller builds its protocol after the window: bind to the one in use now.
    rebind();
    m_pane->clear();
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        overmind->protocol()->readDebugJournal(0);
}

void AssertLogView::eraseLog()
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        overmind->protocol()->clearDebugJournal();
    m_pane->clear();
}

QString AssertLogView::faultName(quint16 code)
{
    if (code < std::size(FaultNames))
        return QString::fromLatin1(FaultNames[code]);
    return tr("Unknown (%1)").arg(code);
}

QString AssertLogView::payloadText(const s_FullDebugJournalEvent &entry)
{
    const quint8 *payload = entry.body + PayloadAt;
    const int count = entry.body[5];
    const QLatin1String separator(", ");
    switch (entry.body[4]) {
    case 0:
        return codePageText(reinterpret_cast<const char *>(payload), PayloadSize);
    case 1:
        return items<quint8>(payload, count, PayloadSize).join(separator);
    case 2:
        return items<quint16>(payload, count, PayloadSize).join(separator);
    case 3:
        return items<quint32>(payload, count, PayloadSize).join(separator);
    case 4: {
        const int values = qMin(count, PayloadSize / 4);
        const int textAt = 4 * values;
        const QString text = Journal::fieldText(payload + textAt, PayloadSize - textAt);
        return text + QStringLiteral(":    ") +
               items<quint32>(payload, values, PayloadSize).join(separator);
    }
    case 5: {
        QStringList texts;
        const int fit = qMin(count, PayloadSize / 4);
        for (int i = 0; i < fit; ++i) {
            float value;
            std::memcpy(&value, payload + 4 * i, sizeof value);
            texts.append(QString::number(double(value), 'g', 6));
        }
        return texts.join(separator);
    }
    default:
        return QString();
    }
}

QString AssertLogView::entryLine(const s_FullDebugJournalEvent &entry)
{
    const QTime time = timeFromRtc(qFromLittleEndian<quint32>(entry.body + 52));
    const QDate date = dateFromRtc(qFromLittleEndian<quint32>(entry.body + 56));
    int offset = 0;
    if (Overmind *overmind = Overmind::instance())
        if (DeviceSettings *settings = overmind->deviceSettings())
            offset = settings->tzOffset();
    // Device times are UTC: the PC's own zone and its summer time play no part.
    const QDateTime stamp = QDateTime(date, time, Qt::UTC).toOffsetFromUtc(offset);
    return QStringLiteral("%1. %2 > %3 : %4")
        .arg(QString::number(qFromLittleEndian<quint16>(entry.body)),
             stamp.toString(QStringLiteral("ddd dd MMM yy hh:mm:ss")),
             faultName(qFromLittleEndian<quint16>(entry.body + 2)), payloadText(entry));
}

void AssertLogView::debugEntryReceived(quint16 index, const s_FullDebugJournalEvent &entry)
{
    const bool last = index >= LastExportedIndex;
    if (crc32Stm(entry.body, 60) != entry.crc32) {
        logDebug(this, QStringLiteral("Debug event crc wrong"));
        if (last)
            m_exportFile.close();
        return;
    }
    logDebug(this, QStringLiteral("Event: %1, type: %2, datatype: %3, datacount: %4")
                       .arg(index)
                       .arg(qFromLittleEndian<quint16>(entry.body + 2))
                       .arg(entry.body[4])
                       .arg(entry.body[5]));
    const QString line = entryLine(entry);
    // The last entry of an export still belongs in its file.
    if (m_exportFile.isOpen()) {
        m_exportFile.write(line.toUtf8() + "\r\n");
        // The export stays open for later entries; what has arrived is on disk meanwhile.
        m_exportFile.flush();
        if (last)
            m_exportFile.close();
    }
    m_pane->appendPlainText(line);
}

QString AssertLogView::saveDebugJournal()
{
    const QStringList documents =
        QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return QString();
    QString path = FileChooser::saveFileName(this, tr("Save debug journal"),
                                             documents.first() + QStringLiteral("/Debug journal"),
                                             tr("Text (*.txt)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        path += QLatin1String(".txt");
    m_exportFile.close();
    m_exportFile.setFileName(path);
    if (!path.isEmpty() && !m_exportFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        logError(this, QStringLiteral("Debug journal export failed: %1: %2")
                           .arg(path, m_exportFile.errorString()));
        MessageBoxU::critical(tr("The debug journal could not be saved to %1: %2")
                                  .arg(QDir::toNativeSeparators(path), m_exportFile.errorString()),
                              tr("Error"));
        return QString();
    }
    readLog();
    return path;
}
