#include "update/UpdateManager.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "update/Sender.h"

#include <QTime>

namespace {
Protocol *protocol()
{
    Overmind *controller = Overmind::instance();
    return controller ? controller->protocol() : nullptr;
}

bool isUpdating()
{
    Overmind *controller = Overmind::instance();
    return controller && controller->isUpdating();
}

QVersionNumber versionOf(const s_fw_info &info)
{
    return QVersionNumber(info.version >> 8, info.version & 0xFF);
}
} // namespace

UpdateManager::UpdateManager(const s_fw_info &loaded, QObject *parent)
    : QObject(parent), m_expectedVersion(versionOf(loaded))
{
    if (Protocol *link = protocol()) {
        connect(link, &Protocol::updateStatus, this, &UpdateManager::onUpdateStatus);
        connect(link, &Protocol::writeFirmwareCodeError, this,
                [this](e_m_err code) { onFirmwareUpdateError(quint16(code)); });
    }
    m_retryTimer.setInterval(2000);
    connect(&m_retryTimer, &QTimer::timeout, this, &UpdateManager::onRetryTimerTimeout);
    m_checkTimer.setSingleShot(true);
    m_checkTimer.setInterval(CheckDelayMs);
    connect(&m_checkTimer, &QTimer::timeout, this, &UpdateManager::checkSensorStatus);
}

void UpdateManager::setLoadedFirmware(const s_fw_info &loaded)
{
    m_expectedVersion = versionOf(loaded);
}

void UpdateManager::send(const QString &text) const
{
    if (m_sender)
        m_sender->send(text);
}

bool UpdateManager::start(const QList<Sensor::SPtr> &devices)
{
    m_queue.clear();
    m_checkTimer.stop();
    logInfo(this, QStringLiteral("Starting update"));
    m_queue = devices;
    startNext();
    m_retriesLeft = 0;
    return true;
}

void UpdateManager::startNext()
{
    if (m_queue.isEmpty() || !m_queue.first())
        return;
    send(tr("Starting device update ") + m_queue.first()->displayName());
    if (Protocol *link = protocol())
        link->updateSensor(m_queue.first()->id());
}

void UpdateManager::onUpdateStatus(const s_FW_UPDATE_STATUS &status)
{
    if (!isUpdating()) {
        emit updateStatus(status.device, status.progress);
        return;
    }
    if (status.state == FW_UPDATE_STARTED)
        emit updateStarted(status.device);
    if (m_queue.isEmpty()) {
        emit updateStatus(status.device, status.progress);
        return;
    }
    const uint head = m_queue.first() ? m_queue.first()->id() : 0xFFFF;
    if (status.device != head) {
        logError(this, QStringLiteral("WRONG Sensor ID received! Expected: %1 received: %2")
                           .arg(head)
                           .arg(status.device));
        send(tr("Sensor ID received! Expected: %1 received: %2").arg(head).arg(status.device));
        return;
    }
    // The device may repeat its last report: the head's result is taken once.
    if (m_checkTimer.isActive())
        return;
    emit updateStatus(status.device, status.progress);
    if (status.progress == 100) {
        m_result = Succeeded;
        waitSensorStatus();
    } else if (status.state == FW_UPDATE_FAILED) {
        m_result = Failed;
        waitSensorStatus();
    }
}

void UpdateManager::waitSensorStatus()
{
    if (!m_queue.isEmpty() && m_queue.first())
        send(tr("Checking device status ") + m_queue.first()->displayName());
    m_checkTimer.start();
}

void UpdateManager::checkSensorStatus()
{
    m_checkTimer.stop();
    if (m_queue.isEmpty()) {
        logWarning(this, QStringLiteral("Update queue is empty"));
        send(tr("Update queue is empty"));
        return;
    }
    const Sensor::SPtr head = m_queue.first();
    if (!head) {
        logError(this, QStringLiteral("Unknown sensor status"));
        send(tr("Unknown sensor status"));
        return;
    }
    if (head->firmwareVersion() == m_expectedVersion) {
        logInfo(this, QStringLiteral("Firmware version correct"));
        logDebug(this, QStringLiteral("UpdateManager updateEnding %1")
                           .arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"))));
        finish(head);
    } else if (m_result == Failed) {
        finish(head);
    } else {
        const QString text = tr("Firmware version incorrect. Expected: %1   Got: %2")
                                 .arg(m_expectedVersion.toString(), head->firmwareVersionText());
        logError(this, text);
        send(text);
        emit updateStatus(head->id(), Failed);
        m_queue.removeFirst();
    }
    if (m_queue.isEmpty()) {
        logInfo(this, QStringLiteral("All sensros updated, finishing"));
        emit updateFinished();
        return;
    }
    logInfo(this, QStringLiteral("Starting next update"));
    if (m_queue.first())
        send(tr("Starting next update ") + m_queue.first()->displayName());
    startHeadAfterPause();
}

void UpdateManager::startHeadAfterPause()
{
    QTimer::singleShot(1000, this, [this] {
        if (!m_queue.isEmpty() && m_queue.first())
            if (Protocol *link = protocol())
                link->updateSensor(m_queue.first()->id());
    });
}

void UpdateManager::finish(const Sensor::SPtr &device)
{
    send((m_result == Failed ? tr("Update failed ") : tr("Successful update ")) +
         device->displayName());
    emit updateStatus(device->id(), m_result);
    if (m_result == Succeeded && device->type() == 2)
        emit resetSensor(device->id());
    if (!m_queue.isEmpty())
        m_queue.removeFirst();
    m_retriesLeft = 0;
}

void UpdateManager::onFirmwareUpdateError(quint16 code)
{
    const int device = !m_queue.isEmpty() && m_queue.first() ? m_queue.first()->id() : -1;
    if (code != BusyCode) {
        emit sensorErrorCode(device, code);
        return;
    }
    if (m_retriesLeft == 0) {
        m_retriesLeft = 3;
    } else if (--m_retriesLeft <= 0) {
        abortBusy();
        emit sensorErrorCode(device, code);
        return;
    }
    send(tr("Attempt %1 to start the update").arg(4 - m_retriesLeft));
    m_retryTimer.start();
}

void UpdateManager::abortBusy()
{
    m_retryTimer.stop();
    m_checkTimer.stop();
    if (!m_queue.isEmpty()) {
        if (m_queue.first())
            emit updateStatus(m_queue.first()->id(), Aborted);
        m_queue.clear();
    }
    if (Protocol *link = protocol())
        link->stopSensorUpdate();
    m_retriesLeft = 0;
}

void UpdateManager::onRetryTimerTimeout()
{
    m_retryTimer.stop();
    if (m_queue.isEmpty() || !m_queue.first())
        return;
    emit updateStatus(m_queue.first()->id(), 0);
    startNext();
}

void UpdateManager::stop()
{
    m_retryTimer.stop();
    m_checkTimer.stop();
    if (!m_queue.isEmpty()) {
        if (m_queue.first())
            emit updateStatus(m_queue.first()->id(), Aborted);
        m_queue.clear();
    }
    if (Protocol *link = protocol())
        link->stopSensorUpdate();
    m_retriesLeft = 0;
}
