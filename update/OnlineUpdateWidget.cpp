#include "update/OnlineUpdateWidget.h"

#include "app/ComboBoxDelegate.h"
#include "app/FileChooser.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "update/NetworkManager.h"
#include "update/Ui_OnlineUpdateWidget.h"
#include "update/UpdateManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTextEdit>
#include <QTime>

const QColor OnlineUpdateWidget::InProgressColor(200, 200, 255);
const QColor OnlineUpdateWidget::SucceededColor(200, 255, 200);
const QColor OnlineUpdateWidget::FailedColor(255, 200, 200);

namespace {
Overmind *overmind()
{
    return Overmind::instance();
}

Protocol *protocol()
{
    return overmind() ? overmind()->protocol() : nullptr;
}

QStringList deviceHeaders()
{
    return {OnlineUpdateWidget::tr("Device"), OnlineUpdateWidget::tr("hw"),
            OnlineUpdateWidget::tr("fw"), OnlineUpdateWidget::tr("State"),
            OnlineUpdateWidget::tr("Loaded")};
}

QStringList partHeaders()
{
    return {QString(), OnlineUpdateWidget::tr("Type"), OnlineUpdateWidget::tr("Current version"),
            OnlineUpdateWidget::tr("Build"), OnlineUpdateWidget::tr("Loaded")};
}
} // namespace

OnlineUpdateWidget::OnlineUpdateWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui_OnlineUpdateWidget), m_deviceModel(new QStandardItemModel),
      m_firmwareListModel(new QStandardItemModel), m_partsModel(new QStandardItemModel),
      m_networkManager(new NetworkManager), m_pendingSteps(new QObject(this))
{
    ui->setupUi(this);
    for (QPushButton *button : {ui->pbOnlyCompatible, ui->pbUpdate, ui->pbOpen, ui->pbCheck})
        button->setEnabled(false);
    // The online service stays out of sight; its client and setup remain usable in code.
    for (QPushButton *button : {ui->pbStop, ui->pbCheck, ui->pbOnlineCheckSetup})
        button->hide();
    buildTables();
    connectButtons();
    connect(m_networkManager, &NetworkManager::replyReceived, this,
            &OnlineUpdateWidget::onReplyReceived);
    connect(m_networkManager, &NetworkManager::jsonReceived, this,
            &OnlineUpdateWidget::onFirmwareListReceived);
    connect(m_networkManager, &NetworkManager::errorReceived, this,
            &OnlineUpdateWidget::onNetworkError);
    connect(m_networkManager, &NetworkManager::parsingError, this,
            &OnlineUpdateWidget::onParsingError);
    connect(m_networkManager, &NetworkManager::dmiaReceived, this,
            &OnlineUpdateWidget::onDmiaReceived);
    connect(m_networkManager, &NetworkManager::downloadFailed, this,
            [this](const QString &name, const QString &error) {
                m_downloadFailures.append(tr("%1: %2").arg(name, error));
                countFinishedDownload();
            });
    connectController();
    m_eraseTimer.setInterval(150);
    connect(&m_eraseTimer, &QTimer::timeout, this, &OnlineUpdateWidget::onEraseTick);
    m_senderHolder.setSender(this);
}

OnlineUpdateWidget::~OnlineUpdateWidget()
{
    delete ui;
    ui = nullptr;
    // Only the program's own download folder goes, never a folder a user chose.
    const QString downloaded = QSettings().value(QStringLiteral("downloadedPath")).toString();
    if (!downloaded.isEmpty() && QDir::cleanPath(downloaded) == downloadFolder() &&
        QFileInfo::exists(downloaded))
        QDir(downloaded).removeRecursively();
    delete m_networkManager;
    delete m_deviceModel;
    delete m_firmwareListModel;
    delete m_partsModel;
}

QString OnlineUpdateWidget::downloadFolder()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                           QStringLiteral("/DMIA"));
}

void OnlineUpdateWidget::buildTables()
{
    ui->lvFirmwares->setModel(m_firmwareListModel);
    ui->tvUpdate->setModel(m_deviceModel);
    ui->tvUpdate->setItemDelegateForColumn(LoadedColumn, new ComboBoxDelegate(this));
    m_deviceModel->setHorizontalHeaderLabels(deviceHeaders());
    ui->tvUpdate->horizontalHeader()->setSectionResizeMode(DeviceColumn,
                                                           QHeaderView::ResizeToContents);
    ui->tvUpdate->horizontalHeader()->setSectionResizeMode(StateColumn,
                                                           QHeaderView::ResizeToContents);
    connect(m_deviceModel, &QStandardItemModel::itemChanged, this,
            &OnlineUpdateWidget::onItemChanged);
    connect(ui->tvUpdate, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() == DeviceColumn)
            toggleCheck(m_deviceModel->item(index.row(), DeviceColumn));
    });

    ui->tvMasters->setModel(m_partsModel);
    m_partsModel->setHorizontalHeaderLabels(partHeaders());
    for (int section : {1, 2, 3})
        ui->tvMasters->horizontalHeader()->setSectionResizeMode(section,
                                                                QHeaderView::ResizeToContents);
    connect(m_partsModel, &QStandardItemModel::itemChanged, this,
            &OnlineUpdateWidget::onMasterItemChanged);
    connect(ui->tvMasters, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() != TypeColumn || isBasePart(index.row()))
            return;
        QStandardItem *check = m_partsModel->item(index.row(), CheckColumn);
        if (check && check->isEnabled())
            toggleCheck(check);
    });
}

void OnlineUpdateWidget::toggleCheck(QStandardItem *item)
{
    if (!item)
        return;
    item->setCheckState(item->checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

void OnlineUpdateWidget::connectButtons()
{
    connect(ui->pbCheck, &QPushButton::clicked, this, &OnlineUpdateWidget::checkOnline);
    connect(ui->pbOnlineCheckSetup, &QPushButton::clicked, this,
            &OnlineUpdateWidget::openOnlineSetup);
    connect(ui->pbOpen, &QPushButton::clicked, this, &OnlineUpdateWidget::openFirmwareFile);
    connect(ui->pbUpdate, &QPushButton::clicked, this, &OnlineUpdateWidget::onUpdateClicked);
    connect(ui->pbStop, &QPushButton::clicked, this, &OnlineUpdateWidget::onStopClicked);
    connect(ui->pbOnlyCompatible, &QPushButton::toggled, this,
            &OnlineUpdateWidget::onOnlyCompatible);
    connect(ui->pbSelectAll, &QPushButton::clicked, this, &OnlineUpdateWidget::onSelectAll);
    connect(ui->pbDeselectAll, &QPushButton::clicked, this, &OnlineUpdateWidget::onDeselectAll);
    connect(ui->pbOnlyDeprecated, &QPushButton::clicked, this,
            &OnlineUpdateWidget::onOnlyDeprecated);
}

void OnlineUpdateWidget::connectController()
{
    Overmind *controller = overmind();
    if (!controller)
        return;
    connect(controller, &Overmind::loginSuccessful, this, &OnlineUpdateWidget::onLoginSuccessful);
    connect(controller, &Overmind::ready, this, &OnlineUpdateWidget::createUpdateManager);
    connect(controller, &Overmind::endInitSettings, this, &OnlineUpdateWidget::showDeviceInfo);
    connect(controller, &Overmind::disconnected, this, &OnlineUpdateWidget::clear);
    connect(controller, &Overmind::newSensorConnected, this,
            &OnlineUpdateWidget::onNewSensorConnected);
    connect(controller, &Overmind::sensorLost, this,
            [this](Sensor::SPtr sensor) { refreshDeviceState(sensor, false); });
    connect(controller, &Overmind::sensorGotInTouch, this,
            [this](Sensor::SPtr sensor) { refreshDeviceState(sensor, true); });
    connect(controller, &Overmind::updateDefaultMacAddress, this, [this](int number) {
        ui->lblSerial->setText(tr("Serial number: <b>%1</b>").arg(number));
    });
    connect(controller, &Overmind::lockSettingsChanged, this,
            &OnlineUpdateWidget::onLockSettingsChanged);
}

// ---- log, status, blocking ----

void OnlineUpdateWidget::send(const QString &text)
{
    if (text.isEmpty() || !ui)
        return;
    ui->teNotify->append(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")) +
                         QStringLiteral("   ") + text + QLatin1Char('\n'));
}

void OnlineUpdateWidget::Notify(const QString &text)
{
    send(text);
}

void OnlineUpdateWidget::setStatus(const QString &text)
{
    ui->lblStatus->setText(text);
    send(text);
}

void OnlineUpdateWidget::setJournalBlocked(bool blocked)
{
    if (overmind() && overmind()->mainWindow())
        overmind()->mainWindow()->setJournalBlocked(blocked);
}

void OnlineUpdateWidget::setBlocked(bool blocked)
{
    if (!blocked) {
        updateUpdateButtonState();
        return;
    }
    for (QPushButton *button :
         {ui->pbUpdate, ui->pbSelectAll, ui->pbDeselectAll, ui->pbOnlyDeprecated})
        button->setEnabled(false);
}

void OnlineUpdateWidget::resetUpdateControls()
{
    ui->pbStop->hide();
    ui->pbUpdate->show();
    ui->pbUpdate->setEnabled(false);
    for (QPushButton *button : {ui->pbOpen, ui->pbCheck, ui->pbOnlineCheckSetup})
        button->setEnabled(true);
    ui->pbProgress->setValue(0);
}

void OnlineUpdateWidget::onLockSettingsChanged()
{
    const bool unlocked = !overmind() || overmind()->isSettingsUnlocked();
    setEnabled(unlocked);
    ui->lblStatus->setText(
        unlocked ? QString()
                 : tr("Changing settings is only available when all sections are untaken"));
}

// ---- login, clearing ----

void OnlineUpdateWidget::onLoginSuccessful()
{
    if (overmind() && !overmind()->isViewingMode()) {
        ui->pbOpen->setEnabled(true);
        ui->pbCheck->setEnabled(true);
    }
    if (Protocol *link = protocol()) {
        disconnect(link, nullptr, this, nullptr);
        connect(link, &Protocol::flashErased, this,
                [this](e_m_err code) { onFlashErased(quint16(code)); });
        connect(link, &Protocol::firmwareVersion, this, &OnlineUpdateWidget::onFwVersionUpdated);
        connect(link, &Protocol::sensorDelete, this,
                [this](quint16 number) { removeDeviceRow(number); });
        connect(link, &Protocol::updateStatus, this,
                qOverload<const s_FW_UPDATE_STATUS &>(&OnlineUpdateWidget::onUpdateStatus));
    }
    clear();
}

// A disconnection also ends whatever the update was waiting for.
void OnlineUpdateWidget::stopPendingSteps()
{
    m_eraseTimer.stop();
    delete m_pendingSteps;
    m_pendingSteps = new QObject(this);
    if (overmind() && overmind()->hidInterface())
        disconnect(overmind()->hidInterface(), nullptr, this, nullptr);
}

void OnlineUpdateWidget::clear()
{
    const bool wasRunning = !ui->pbStop->isHidden() || m_eraseTimer.isActive();
    stopPendingSteps();
    m_updateManager.reset();
    m_currentFirmware.reset();
    m_publishedTexts.clear();
    m_firmwareListModel->removeRows(0, m_firmwareListModel->rowCount());
    m_deviceModel->removeRows(0, m_deviceModel->rowCount());
    m_partsModel->removeRows(0, m_partsModel->rowCount());
    ui->teNotify->clear();
    ui->lblStatus->clear();
    resetUpdateControls();
    if (wasRunning) {
        if (overmind())
            overmind()->setUpdating(false);
        setJournalBlocked(false);
    }
}

// ---- device rows ----

QString OnlineUpdateWidget::deviceStateText(const Sensor::SPtr &sensor) const
{
    PartitionModel *model = overmind() ? overmind()->partitionModel() : nullptr;
    if (model) {
        const Partition *partition = model->partition(sensor->partition());
        if (partition && (partition->mainState() == 16 || partition->mainState() == 21))
            return tr("Locked");
    }
    return sensor->isInTouch() ? tr("Connected") : tr("Disconnected");
}

int OnlineUpdateWidget::findDeviceRow(const Sensor::SPtr &sensor) const
{
    if (!sensor)
        return -1;
    const QString label = QStringLiteral("%1. %2").arg(sensor->id() + 1).arg(sensor->typeName());
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        const QStandardItem *item = m_deviceModel->item(row, DeviceColumn);
        if (item && item->text() == label)
            return row;
    }
    return -1;
}

int OnlineUpdateWidget::rowForDevice(int number) const
{
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        const QStandardItem *item = m_deviceModel->item(row, DeviceColumn);
        if (!item)
            continue;
        bool ok = false;
        const int shown = item->text().section(QStringLiteral(". "), 0, 0).toInt(&ok);
        if (ok && shown == number + 1)
            return row;
    }
    return -1;
}

Sensor::SPtr OnlineUpdateWidget::sensorOfRow(int row) const
{
    const QStandardItem *item = m_deviceModel->item(row, DeviceColumn);
    return item ? item->data(Qt::UserRole).value<Sensor::SPtr>() : Sensor::SPtr();
}

void OnlineUpdateWidget::onNewSensorConnected(Sensor::SPtr sensor)
{
    if (!sensor || (overmind() && overmind()->isViewingMode()) || findDeviceRow(sensor) >= 0)
        return;
    addDeviceRow(sensor);
}

void OnlineUpdateWidget::addDeviceRow(const Sensor::SPtr &sensor)
{
    QList<QStandardItem *> row;
    auto *device =
        new QStandardItem(QStringLiteral("%1. %2").arg(sensor->id() + 1).arg(sensor->typeName()));
    device->setFlags(Qt::ItemIsSelectable);
    device->setCheckState(Qt::Unchecked);
    device->setData(QVariant::fromValue(sensor), Qt::UserRole);
    row << device;
    for (const QString &text :
         {sensor->hardwareVersionText(), sensor->firmwareVersionText(), deviceStateText(sensor)}) {
        auto *cell = new QStandardItem(text);
        cell->setFlags(Qt::ItemIsSelectable);
        row << cell;
    }
    auto *loaded = new QStandardItem();
    loaded->setEnabled(false);
    row << loaded;
    m_deviceModel->appendRow(row);
    connectRowRefresh(sensor);
}

void OnlineUpdateWidget::connectRowRefresh(const Sensor::SPtr &sensor)
{
    std::weak_ptr<Sensor> weak = sensor;
    connect(
        sensor.get(), &Sensor::statusUpdated, this, [this, weak] { refreshDeviceRow(weak.lock()); },
        Qt::UniqueConnection);
}

void OnlineUpdateWidget::disconnectRowRefresh(const Sensor::SPtr &sensor)
{
    if (sensor)
        disconnect(sensor.get(), &Sensor::statusUpdated, this, nullptr);
}

void OnlineUpdateWidget::refreshDeviceRow(const Sensor::SPtr &sensor)
{
    const int row = findDeviceRow(sensor);
    if (row < 0)
        return;
    const QString state = deviceStateText(sensor);
    m_deviceModel->item(row, FwColumn)->setText(sensor->firmwareVersionText());
    m_deviceModel->item(row, StateColumn)->setText(state);
    QStandardItem *check = m_deviceModel->item(row, DeviceColumn);
    if (state == tr("Locked")) {
        check->setCheckState(Qt::Unchecked);
        check->setFlags(Qt::ItemIsSelectable);
    } else if (m_deviceModel->item(row, LoadedColumn)->isEnabled()) {
        check->setFlags(check->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    }
}

void OnlineUpdateWidget::refreshDeviceState(const Sensor::SPtr &sensor, bool keepInProgress)
{
    const int row = findDeviceRow(sensor);
    if (row < 0)
        return;
    QStandardItem *state = m_deviceModel->item(row, StateColumn);
    if (keepInProgress && state->background().color() == InProgressColor &&
        state->background().style() != Qt::NoBrush)
        return;
    state->setText(deviceStateText(sensor));
}

void OnlineUpdateWidget::removeDeviceRow(quint16 number)
{
    const int row = rowForDevice(number);
    if (row >= 0)
        m_deviceModel->removeRow(row);
}

// ---- loading containers ----

void OnlineUpdateWidget::openFirmwareFile()
{
    ui->pbOnlyCompatible->setChecked(false);
    for (QPushButton *button :
         {ui->pbOnlyCompatible, ui->pbUpdate, ui->pbCheck, ui->pbOnlineCheckSetup, ui->pbOpen})
        button->setEnabled(false);
    QSettings settings;
    // Linux file systems tell letter case apart; containers come named either way.
    const QStringList files =
        FileChooser::openFileNames(this, tr("Please, select firmware file"),
                                   settings.value(QStringLiteral("lastFirmwarePath")).toString(),
                                   QStringLiteral("*.[dD][mM][iI][aA]"));
    if (!files.isEmpty()) {
        resetFirmwareTables();
        settings.setValue(QStringLiteral("lastFirmwarePath"),
                          QFileInfo(files.first()).absoluteFilePath());
        ui->lblStatus->setText(tr("File loading..."));
        QList<pDMIA> containers;
        try {
            for (const QString &file : files) {
                if (file.right(5).toUpper() == QLatin1String(".DMIA"))
                    containers += DMIA::readAll(file, false);
            }
        } catch (const dmia_exception &error) {
            MessageBoxU::critical(error.message, tr("Failed to read dmia file"));
        }
        for (QPushButton *button :
             {ui->pbOnlyCompatible, ui->pbSelectAll, ui->pbDeselectAll, ui->pbOnlyDeprecated})
            button->setEnabled(true);
        publishFirmwares(containers);
        ui->teNotify->clear();
        setStatus(tr("%1 firmwares loaded from file").arg(containers.size()));
    }
    resetUpdateControls();
}

// Nothing of an earlier load may stay tickable or be uploaded.
void OnlineUpdateWidget::resetFirmwareTables()
{
    m_publishedTexts.clear();
    m_firmwareListModel->removeRows(0, m_firmwareListModel->rowCount());
    ui->pbProgress->setValue(0);
    ui->lblStatus->clear();
    for (int row = 0; row < m_deviceModel->rowCount(); ++row) {
        const Sensor::SPtr sensor = sensorOfRow(row);
        m_deviceModel->item(row, DeviceColumn)->setCheckState(Qt::Unchecked);
        m_deviceModel->item(row, StateColumn)
            ->setText(sensor && sensor->isInTouch() ? tr("Connected") : tr("Disconnected"));
        QStandardItem *loaded = m_deviceModel->item(row, LoadedColumn);
        loaded->setText(QString());
        loaded->setData(QVariant(), Qt::UserRole);
        loaded->setData(QVariant(), Qt::UserRole + 1);
        for (int column = 0; column < m_deviceModel->columnCount(); ++column) {
            QStandardItem *item = m_deviceModel->item(row, column);
            item->setEnabled(false);
            item->setBackground(QBrush());
        }
    }
    for (int row = 0; row < m_partsModel->rowCount(); ++row) {
        for (int column = 0; column < m_partsModel->columnCount(); ++column) {
            QStandardItem *item = m_partsModel->item(row, column);
            if (!item)
                continue;
            item->setBackground(QBrush());
            if (column > CheckColumn)
                item->setEnabled(true);
        }
        QStandardItem *check = m_partsModel->item(row, CheckColumn);
        if (check && !isBasePart(row)) {
            check->setCheckState(Qt::Unchecked);
            check->setFlags(Qt::ItemIsSelectable);
        }
        if (QStandardItem *loaded = m_partsModel->item(row, LoadedColumn)) {
            loaded->setText(QString());
            loaded->setData(QStringList(), Qt::UserRole);
            loaded->setData(QVariant(), Qt::UserRole + 1);
        }
    }
    ui->tvUpdate->selectionModel()->clear();
    ui->tvUpdate->viewport()->update();
    ui->tvMasters->viewport()->update();
    updateUpdateButtonState();
}

// ---- row states ----

QString OnlineUpdateWidget::partName(int row) const
{
    const QStandardItem *item = m_partsModel->item(row, TypeColumn);
    return item ? item->text() : QString();
}

bool OnlineUpdateWidget::isBasePart(int row) const
{
    return partName(row).contains(tr("base"));
}

void OnlineUpdateWidget::setInProgress(const QString &name, bool inProgress)
{
    for (int row = 0; row < m_partsModel->rowCount(); ++row) {
        if (partName(row) != name)
            continue;
        for (int column = 0; column < m_partsModel->columnCount(); ++column) {
            if (QStandardItem *item = m_partsModel->item(row, column)) {
                item->setEnabled(!inProgress);
                item->setBackground(inProgress ? InProgressColor : SucceededColor);
            }
        }
    }
}

void OnlineUpdateWidget::setStopped(const QString &name)
{
    for (int row = 0; row < m_partsModel->rowCount(); ++row) {
        if (partName(row) != name)
            continue;
        for (int column = 0; column < m_partsModel->columnCount(); ++column) {
            if (QStandardItem *item = m_partsModel->item(row, column)) {
                item->setEnabled(true);
                item->setBackground(FailedColor);
            }
        }
        if (QStandardItem *check = m_partsModel->item(row, CheckColumn)) {
            check->setCheckState(Qt::Unchecked);
            check->setEnabled(false);
        }
    }
}

void OnlineUpdateWidget::setRowColor(int row, const QBrush &brush)
{
    for (int column = 0; column < m_deviceModel->columnCount(); ++column)
        if (QStandardItem *item = m_deviceModel->item(row, column))
            item->setBackground(brush);
}

void OnlineUpdateWidget::setRowEnabled(int row, bool enabled)
{
    for (int column = 0; column < m_partsModel->columnCount(); ++column)
        if (QStandardItem *item = m_partsModel->item(row, column))
            item->setEnabled(enabled);
}
