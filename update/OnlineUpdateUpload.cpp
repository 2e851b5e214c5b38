// Erasing, writing and installing firmware, and stepping through the ticked targets.
#include "app/DeviceTexts.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/HIDInterface.h"
#include "link/HIDWriter.h"
#include "link/Protocol.h"
#include "radio/PartitionModel.h"
#include "update/OnlineUpdateWidget.h"
#include "update/Ui_OnlineUpdateWidget.h"
#include "update/UpdateManager.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {
constexpr int EraseTicksLimit = 120;
constexpr int MessageOverhead = 5; // operation, identifier and CRC around the payload

Overmind *overmind()
{
    return Overmind::instance();
}

Protocol *protocol()
{
    return overmind() ? overmind()->protocol() : nullptr;
}

void setUpdating(bool updating)
{
    if (overmind())
        overmind()->setUpdating(updating);
}

bool isUpdating()
{
    return overmind() && overmind()->isUpdating();
}

QByteArray headerAndLines(const pDMIA &container)
{
    QByteArray data = container->header();
    for (const QByteArray &line : container->lines())
        data += line;
    return data;
}
} // namespace

quint16 OnlineUpdateWidget::fwIdForDeviceType(quint8 deviceType)
{
    switch (deviceType) {
    case 8:
    case 35:
    case 36:
        return 0;
    case 37:
    case 38:
    case 39:
        return 2;
    case 46:
    case 47:
    case 48:
        return 19;
    case 59:
        return 20;
    case 58:
    case 61:
    case 62:
        return 21;
    default:
        return 3;
    }
}

void OnlineUpdateWidget::onUpdateClicked()
{
    setJournalBlocked(true);
    m_loadedForDevice.clear();
    m_currentFirmware.reset();
    int eraseType = -1;
    const QList<Sensor::SPtr> devices = collectSelectedDevices();
    if (!devices.isEmpty()) {
        QStringList numbers;
        for (const Sensor::SPtr &sensor : devices) {
            disconnectRowRefresh(sensor);
            numbers << QString::number(sensor->id() + 1);
        }
        send(tr("Will be updated %1 with address: %2")
                 .arg(devices.first()->typeName(), numbers.join(QStringLiteral(", "))));
        eraseType = devices.first()->type();
        m_loadedForDevice.insert(qMakePair(int(devices.first()->id()), m_currentFirmware.get()));
    } else {
        int coreAndBoot = 0;
        for (int row = m_partsModel->rowCount() - 1; row >= 0; --row) {
            const QStandardItem *check = m_partsModel->item(row, CheckColumn);
            const QString name = partName(row);
            if (check && check->checkState() == Qt::Checked &&
                (name == tr("Core") || name == tr("Bootloader")))
                ++coreAndBoot;
        }
        m_coreWithBootloader = coreAndBoot == 2;
        for (int row = m_partsModel->rowCount() - 1; row >= 0; --row) {
            const QStandardItem *check = m_partsModel->item(row, CheckColumn);
            const QStandardItem *loaded = m_partsModel->item(row, LoadedColumn);
            if (!check || check->checkState() != Qt::Checked || !loaded ||
                !m_partsModel->item(row, TypeColumn))
                continue;
            if (partName(row) == tr("Bootloader") && m_coreWithBootloader)
                continue;
            m_currentFirmware = loaded->data(Qt::UserRole + 1).value<pDMIA>();
            if (!m_currentFirmware)
                continue;
            send(tr("Will be updated: %1").arg(partName(row)));
            eraseType = m_currentFirmware->deviceType();
            break;
        }
    }
    if (!m_currentFirmware) {
        endUpdate();
        ui->lblStatus->setText(tr("Current firmware not found"));
        return;
    }
    const int type = m_currentFirmware->deviceType();
    if (type == 59 || type == 61 || type == 62) {
        if (currentImageFitsLink())
            startUpdate();
    } else
        eraseFlash(quint8(eraseType));
}

bool OnlineUpdateWidget::startNextMainPart()
{
    m_currentFirmware.reset();
    const QStandardItem *rowZero = m_partsModel->item(0, CheckColumn);
    const bool coreTicked = rowZero && rowZero->checkState() == Qt::Checked && rowZero->isEnabled();
    for (int row = m_partsModel->rowCount() - 1; row >= 0; --row) {
        const QStandardItem *check = m_partsModel->item(row, CheckColumn);
        const QStandardItem *loaded = m_partsModel->item(row, LoadedColumn);
        if (!check || check->checkState() != Qt::Checked || !check->isEnabled() || !loaded ||
            !m_partsModel->item(row, TypeColumn))
            continue;
        if (partName(row) == tr("Bootloader") && (m_coreWithBootloader || coreTicked))
            continue;
        const pDMIA container = loaded->data(Qt::UserRole + 1).value<pDMIA>();
        if (!container)
            continue;
        send(tr("Will be updated: %1").arg(partName(row)));
        m_currentFirmware = container;
        eraseFlash(container->deviceType());
        return true;
    }
    return false;
}

void OnlineUpdateWidget::eraseFlash(quint8 deviceType)
{
    if (!currentImageFitsLink())
        return;
    ui->pbUpdate->hide();
    ui->pbStop->show();
    ui->pbStop->setEnabled(false);
    for (QPushButton *button : {ui->pbOpen, ui->pbCheck, ui->pbOnlineCheckSetup})
        button->setEnabled(false);
    ui->pbProgress->setValue(0);
    if (Protocol *link = protocol())
        link->eraseFlash(fwIdForDeviceType(deviceType));
    m_eraseTicks = 0;
    m_eraseTimer.start();
}

void OnlineUpdateWidget::onEraseTick()
{
    ++m_eraseTicks;
    ui->pbProgress->setValue(qMin(m_eraseTicks, 100));
    if (m_eraseTicks < EraseTicksLimit)
        return;
    m_eraseTimer.stop();
    endUpdate();
    setStatus(tr("Flash erase failed"));
}

// A refused erase leaves the old firmware in place: nothing is written over it.
void OnlineUpdateWidget::onFlashErased(quint16 code)
{
    if (!m_eraseTimer.isActive())
        return;
    m_eraseTimer.stop();
    if (code != 0) {
        endUpdate();
        setStatus(tr("Flash erase failed"));
        send(Protocol::firmwareUpdateErrorString(e_m_err(code)) + tr(" Code: %1").arg(code));
        return;
    }
    send(tr("Flash erasing complete successfully"));
    startUpdate();
}

void OnlineUpdateWidget::startUpdate()
{
    ui->pbProgress->setValue(0);
    ui->lblStatus->setText(tr("Please wait. Uploading firmware file to device..."));
    ui->pbStop->setEnabled(true);
    HIDInterface *hid = overmind() ? overmind()->hidInterface() : nullptr;
    if (hid) {
        disconnect(hid, nullptr, this, nullptr);
        connect(hid, &HIDInterface::partTransmitted, this, &OnlineUpdateWidget::onPartTransmitted);
    }
    m_stopRequested = false;
    if (!m_currentFirmware)
        return;
    const quint16 id = fwIdForDeviceType(m_currentFirmware->deviceType());
    if (id == 0 || id == 19) {
        setInProgress(id == 0 ? tr("Core") : tr("Bootloader"));
        logDebug(this,
                 QStringLiteral("OnlineUpdateWidget::startUpdate->writeCommand = %1").arg(id));
    } else if (id == 20) {
        setInProgress(tr("Web"));
        ui->pbUpdate->setEnabled(false);
        ui->pbUpdate->hide();
        ui->pbStop->show();
        ui->pbOpen->setEnabled(false);
        ui->pbCheck->setEnabled(false);
    } else if (id == 2) {
        setInProgress(tr("Radio"));
    }
    const QByteArray data = uploadData();
    m_expectedReports = int(uploadReportCount(data));
    if (id == 20) {
        // The device opens web writing on an empty write and takes the image a moment later.
        if (Protocol *link = protocol())
            link->writeFirmware(20, QByteArray());
        QTimer::singleShot(2000, m_pendingSteps, [data] {
            if (Protocol *link = protocol())
                link->writeFirmware(20, data);
        });
    } else if (Protocol *link = protocol()) {
        link->writeFirmware(id, data);
    }
    setStatus(tr("Uploading firmware to Korvel-GSM"));
}

QByteArray OnlineUpdateWidget::uploadData() const
{
    if (!m_currentFirmware)
        return QByteArray();
    const quint16 id = fwIdForDeviceType(m_currentFirmware->deviceType());
    if (id == 0 || id == 19)
        return m_currentFirmware->image;
    if (id == 20)
        return buildWebImage();
    return headerAndLines(m_currentFirmware);
}

// Counted with the connection's own payload size, as the writer cuts the message.
qint64 OnlineUpdateWidget::uploadReportCount(const QByteArray &data) const
{
    const HIDInterface *hid = overmind() ? overmind()->hidInterface() : nullptr;
    const int payload = hid ? hid->payloadSize() : HIDWriter::DefaultPayloadSize;
    return HIDWriter::reportCount(data.size() + MessageOverhead, payload);
}

// An image the link cannot carry in one message is refused before the flash is erased.
bool OnlineUpdateWidget::currentImageFitsLink()
{
    const QByteArray data = uploadData();
    if (uploadReportCount(data) <= HIDWriter::MaxParts)
        return true;
    const QString text = tr("The firmware %1 (%2 bytes) is too large to be sent to the device.")
                             .arg(firmwareDescription(m_currentFirmware))
                             .arg(data.size());
    send(text);
    endUpdate();
    ui->lblStatus->setText(text);
    MessageBoxU::critical(text, tr("Error"));
    return false;
}

QByteArray OnlineUpdateWidget::buildWebImage() const
{
    QByteArray image;
    if (!m_currentFirmware)
        return image;
    for (const QByteArray &line : m_currentFirmware->lines()) {
        image += line;
        image += char(line.size() & 0xFF);
        if (line.size() < 255)
            image += QByteArray(255 - line.size(), '\0');
    }
    return image;
}

// The upload is recognised by its own report count: other messages (keep-alives, the empty
// web opening) finish with other counts.
void OnlineUpdateWidget::onPartTransmitted(int done, int total)
{
    if (total != m_expectedReports || total <= 0)
        return;
    logInfo(this, QStringLiteral("Part transmitted"));
    const int percent = int(qint64(done) * 100 / total);
    logInfo(this, QStringLiteral("Sended fw parts: %3 (%1/%2)").arg(done).arg(total).arg(percent));
    if (!ui->pbStop->isHidden())
        ui->pbProgress->setValue(percent);
    if (done == total && !ui->pbStop->isHidden())
        finishTransfer();
}

void OnlineUpdateWidget::finishTransfer()
{
    logInfo(this, QStringLiteral("Firmware transmitted"));
    m_expectedReports = -1;
    if (overmind() && overmind()->hidInterface())
        disconnect(overmind()->hidInterface(), nullptr, this, nullptr);
    Protocol *link = protocol();
    if (!m_currentFirmware) {
        logInfo(this, QStringLiteral("Reading firmware header"));
        if (link)
            link->readFirmwareVersion(13);
        ui->lblStatus->setText(tr("Firmware uploaded. Ready to update sensors"));
        return;
    }
    ui->pbProgress->setValue(0);
    setUpdating(true);
    switch (fwIdForDeviceType(m_currentFirmware->deviceType())) {
    case 0:
        if (m_coreWithBootloader) {
            uploadBootloaderAfterCore();
            return;
        }
        setUpdating(false);
        if (link)
            link->updateCore();
        setStatus(tr("Please wait. Updating core."));
        if (overmind() && overmind()->mainWindow())
            overmind()->mainWindow()->onMessageReceived(tr("Core software updating"));
        break;
    case 2:
        setUpdating(false);
        if (link)
            link->updateRadio();
        setStatus(tr("Please wait. Updating radio..."));
        break;
    case 19:
        setUpdating(false);
        if (link)
            link->updateBootLoader();
        setStatus(tr("Please wait. Updating bootloader..."));
        break;
    case 20:
        setStatus(tr("Web updating"));
        QTimer::singleShot(2000, m_pendingSteps, [this] { finishWebUpdate(); });
        break;
    default:
        send(tr("Firmware uploaded. Ready to update sensors"));
        logInfo(this, QStringLiteral("Reading firmware header"));
        if (link)
            link->readFirmwareVersion(13);
        ui->lblStatus->setText(tr("Firmware uploaded. Ready to update sensors"));
        break;
    }
}

// With Core and Bootloader ticked the bootloader image goes in before any install command;
// it is the Bootloader row's container, wherever that row stands.
void OnlineUpdateWidget::uploadBootloaderAfterCore()
{
    const int row = partRow(tr("Bootloader"));
    const QStandardItem *loaded = row >= 0 ? m_partsModel->item(row, LoadedColumn) : nullptr;
    const pDMIA bootloader = loaded ? loaded->data(Qt::UserRole + 1).value<pDMIA>() : pDMIA();
    if (!bootloader) {
        endUpdate();
        ui->lblStatus->setText(tr("Current firmware not found"));
        return;
    }
    m_coreWithBootloader = false;
    m_currentFirmware = bootloader;
    eraseFlash(bootloader->deviceType());
}

void OnlineUpdateWidget::finishWebUpdate()
{
    setUpdating(false);
    setJournalBlocked(false);
    if (Protocol *link = protocol()) {
        if (m_currentFirmware)
            link->updateWeb(m_currentFirmware->header());
        link->readFirmwareVersion(15, 255);
    }
    if (!startNextMainPart())
        resetUpdateControls();
}

void OnlineUpdateWidget::onUpdateStatus(const s_FW_UPDATE_STATUS &status)
{
    if (status.device != 255)
        return;
    if (status.state == FW_UPDATE_FAILED) {
        ui->lblStatus->setText(tr("Update failed"));
        logError(this, QStringLiteral("Failed to upload firmware"));
        endUpdate();
        MessageBoxU::warning(tr("Update failed"), tr("Update status"));
    } else if (status.state == FW_UPDATE_COMPLETE) {
        setStatus(tr("Firmware updated."));
        logInfo(this, QStringLiteral("Firmware updated"));
        ui->pbProgress->setValue(100);
        onUpdateFinished();
        QTimer::singleShot(1000, m_pendingSteps, [this] { requestVersion(15); });
    }
}

void OnlineUpdateWidget::onUpdateFinished()
{
    if (searchNext())
        return;
    endUpdate();
    ui->tvUpdate->selectionModel()->clear();
    ui->tvUpdate->viewport()->update();
    setStatus(tr("Update complete"));
}

// Every way an update ends leaves the page idle, the journal free and the flag clear.
void OnlineUpdateWidget::endUpdate()
{
    m_eraseTimer.stop();
    m_expectedReports = -1;
    resetUpdateControls();
    setUpdating(false);
    setJournalBlocked(false);
}

void OnlineUpdateWidget::onStopClicked()
{
    m_stopRequested = true;
    send(tr("Updating interrupted"));
    onDeselectAll();
    if (m_currentFirmware && fwIdForDeviceType(m_currentFirmware->deviceType()) == 20) {
        if (Protocol *link = protocol())
            link->sendToDevice(_FwStopUpdate, quint16(20));
        setStopped(tr("Web"));
    } else if (m_updateManager) {
        m_updateManager->stop();
    }
    delete m_pendingSteps;
    m_pendingSteps = new QObject(this);
    m_eraseTimer.stop();
    m_expectedReports = -1;
    setUpdating(false);
    setJournalBlocked(false);
    QTimer::singleShot(100, m_pendingSteps, [this] { resetUpdateControls(); });
}

// ---- radio devices ----

QList<Sensor::SPtr> OnlineUpdateWidget::collectSelectedDevices()
{
    m_currentFirmware.reset();
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        const QStandardItem *check = m_deviceModel->item(row, DeviceColumn);
        const Sensor::SPtr sensor = sensorOfRow(row);
        const QStandardItem *loaded = m_deviceModel->item(row, LoadedColumn);
        if (!check || check->checkState() != Qt::Checked || !check->isEnabled() || !sensor ||
            !sensor->isInTouch() || !loaded)
            continue;
        const int position = loaded->data(Qt::UserRole).toStringList().lastIndexOf(loaded->text());
        const auto containers = loaded->data(Qt::UserRole + 1).value<QList<pDMIA>>();
        if (position < 0 || position >= containers.size())
            continue;
        m_currentFirmware = containers.at(position);
        return {sensor};
    }
    return {};
}

bool OnlineUpdateWidget::searchNext()
{
    const QList<Sensor::SPtr> devices = collectSelectedDevices();
    if (devices.isEmpty())
        return startNextMainPart();
    const Sensor::SPtr first = devices.first();
    const s_fw_info &held = m_loadedFirmwareInfo;
    const bool fits =
        deviceTakesFirmware(first->type(), first->hardwareVersion(), held.deviceType,
                            QVersionNumber(held.hardwareVersion >> 8, held.hardwareVersion & 0xFF),
                            QVersionNumber(held.version >> 8, held.version & 0xFF));
    if (fits && m_updateManager) {
        m_updateManager->start(devices);
        return true;
    }
    // The communicator already took this container for this device and still holds nothing
    // that fits: erasing again would repeat the same upload for ever.
    const auto loaded = qMakePair(int(first->id()), m_currentFirmware.get());
    if (m_loadedForDevice.contains(loaded)) {
        failDeviceWithoutFirmware(first);
        return searchNext();
    }
    m_loadedForDevice.insert(loaded);
    eraseFlash(quint8(first->type()));
    return true;
}

void OnlineUpdateWidget::failDeviceWithoutFirmware(const Sensor::SPtr &device)
{
    const QString text = tr("The device %1 does not take the firmware loaded into Korvel-GSM")
                             .arg(device->displayName());
    send(text);
    logWarning(this, text);
    const int row = rowForDevice(device->id());
    if (QStandardItem *check = row >= 0 ? m_deviceModel->item(row, DeviceColumn) : nullptr) {
        check->setEnabled(false);
        if (QStandardItem *state = m_deviceModel->item(row, StateColumn))
            state->setText(tr("Update failed"));
        setRowColor(row, FailedColor);
    }
}

void OnlineUpdateWidget::createUpdateManager()
{
    m_updateManager = std::make_shared<UpdateManager>(m_loadedFirmwareInfo);
    m_updateManager->setSender(&m_senderHolder);
    UpdateManager *manager = m_updateManager.get();
    connect(manager, &UpdateManager::updateStarted, this, &OnlineUpdateWidget::onUpdateStarted);
    connect(manager, &UpdateManager::updateStatus, this,
            qOverload<uint, uint>(&OnlineUpdateWidget::onUpdateStatus));
    if (overmind() && overmind()->partitionModel())
        connect(manager, &UpdateManager::resetSensor, overmind()->partitionModel(),
                &PartitionModel::onResetSensor);
    connect(manager, &UpdateManager::updateFinished, this, &OnlineUpdateWidget::onUpdateFinished);
    connect(manager, &UpdateManager::sensorErrorCode, this, &OnlineUpdateWidget::onSensorErrorCode);
    requestVersion(15);
    QTimer::singleShot(2000, m_pendingSteps, [this] {
        if (m_partsModel->rowCount() < 4)
            requestVersion(15);
    });
}

void OnlineUpdateWidget::onUpdateStarted(uint device)
{
    const int row = rowForDevice(int(device));
    QStandardItem *check = row >= 0 ? m_deviceModel->item(row, DeviceColumn) : nullptr;
    if (!check)
        return;
    ui->lblStatus->setText(tr("%1 updating").arg(check->text()));
    check->setEnabled(false);
    disconnectRowRefresh(sensorOfRow(row));
    if (QStandardItem *loaded = m_deviceModel->item(row, LoadedColumn))
        loaded->setEnabled(false);
    setRowColor(row, InProgressColor);
    ui->tvUpdate->setCurrentIndex(m_deviceModel->index(row, StateColumn));
    ui->tvUpdate->scrollTo(m_deviceModel->index(row, StateColumn));
    ui->tvUpdate->selectionModel()->clear();
    ui->tvUpdate->viewport()->update();
}

void OnlineUpdateWidget::onUpdateStatus(uint device, uint status)
{
    if (device == 255)
        ui->pbProgress->setValue(int(qMin(status, 100u)));
    const int row = rowForDevice(int(device));
    QStandardItem *state = row >= 0 ? m_deviceModel->item(row, StateColumn) : nullptr;
    if (!state)
        return;
    if (status <= 100 && isUpdating()) {
        state->setText(tr("Progress: %1%").arg(status));
        ui->pbProgress->setValue(int(status));
        return;
    }
    if (status == UpdateManager::Aborted || status == UpdateManager::Failed) {
        state->setText(m_stopRequested ? tr("Update stopped") : tr("Update failed"));
        setRowColor(row, FailedColor);
    } else if (status == UpdateManager::Succeeded) {
        state->setText(tr("Update completed successfully"));
        ui->lblStatus->setText(tr("Update completed successfully"));
        setRowColor(row, SucceededColor);
        m_deviceModel->item(row, FwColumn)
            ->setText(ui->lblLoadedFirm->property("swVer").toString());
    }
    if (const Sensor::SPtr sensor = sensorOfRow(row))
        connectRowRefresh(sensor);
}

void OnlineUpdateWidget::onSensorErrorCode(int device, quint16 code)
{
    const QString text =
        Protocol::firmwareUpdateErrorString(e_m_err(code)) + tr(" Code: %1").arg(code);
    if (device < 0) {
        for (int row = 0; row < m_partsModel->rowCount(); ++row) {
            const QStandardItem *type = m_partsModel->item(row, TypeColumn);
            if (!type || type->background().style() == Qt::NoBrush ||
                type->background().color() != InProgressColor)
                continue;
            for (int column = 0; column < m_partsModel->columnCount(); ++column)
                if (QStandardItem *item = m_partsModel->item(row, column))
                    item->setBackground(FailedColor);
        }
        endUpdate();
    } else {
        const int row = rowForDevice(device);
        if (QStandardItem *check = row >= 0 ? m_deviceModel->item(row, DeviceColumn) : nullptr) {
            check->setBackground(FailedColor);
            if (QStandardItem *state = m_deviceModel->item(row, StateColumn)) {
                state->setText(tr("Error occurred: %1").arg(text));
                MessageBoxU::warning(text, tr("Error"));
            }
        }
        // The device side has given up on this update: nothing more will report.
        endUpdate();
    }
    send(text);
}
