#include "app/Overmind.h"

#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/SelectKorvel.h"
#include "app/WaitForm.h"
#include "journal/PowerStatusIsp0.h"
#include "journal/PowerStatusIsp1.h"
#include "journal/PowerStatusIsp2.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/radio/SelectRetranslator.h"
#include "pages/settings/ObjectSettings.h"
#include "radio/DeviceTypes.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <QDebug>
#include <QMetaType>
#include <QWidget>
#include <algorithm>

namespace {
Overmind *s_overmind = nullptr;
} // namespace

Overmind::Overmind(QObject *parent) : QObject(parent)
{
    s_overmind = this;
    m_usersStageTimer.setSingleShot(true);
    m_secondPassTimer.setSingleShot(true);
    // Coarse timers may fire up to 5% early; the stages keep their order and spacing.
    m_usersStageTimer.setTimerType(Qt::PreciseTimer);
    m_secondPassTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_usersStageTimer, &QTimer::timeout, this, &Overmind::runUsersStage);
    connect(&m_secondPassTimer, &QTimer::timeout, this, &Overmind::runSecondPassStage);
}

Overmind::~Overmind()
{
    deleteModels();
    // The transport stops and joins its tasks before anything they use goes away.
    delete m_hid;
    m_hid = nullptr;
    delete m_loginWidget;
    delete m_waitForm;
    delete m_deviceChooser;
    if (s_overmind == this)
        s_overmind = nullptr;
}

Overmind *Overmind::instance()
{
    return s_overmind;
}

bool Overmind::canEdit() const
{
    if (m_viewingMode)
        return true;
    return m_loginWidget && m_loginWidget->accessLevel() >= 2;
}

bool Overmind::hasDevices() const
{
    return m_hid && m_hid->hasDevices();
}

double Overmind::temperature() const
{
    if (m_powerStatusIsp0)
        return m_powerStatusIsp0->temperature();
    if (m_powerStatusIsp1)
        return m_powerStatusIsp1->temperature();
    if (m_powerStatusIsp2)
        return m_powerStatusIsp2->temperature();
    return 0.0;
}

void Overmind::setTakeDelay(quint16 delay)
{
    m_takeDelay = delay;
    emit takeDelayUpdated(delay);
}

void Overmind::setRadioState(RadioState state)
{
    m_radioState = state;
    emit radioStateChanged(state);
}

void Overmind::setDefaultMacAddress(int address)
{
    m_defaultMacAddress = address;
    emit updateDefaultMacAddress(address);
}

void Overmind::setSettingsLocked(bool locked)
{
    m_settingsLocked = locked;
    emit lockSettingsChanged();
}

void Overmind::registerDialog(QWidget *dialog)
{
    connect(this, &Overmind::disconnected, dialog, &QWidget::close);
}

void Overmind::showRepeaterSelectDialog(quint8 sensorId)
{
    if (m_viewingMode || m_repeaterDialog)
        return;
    auto *dialog = new SelectRetranslator(sensorId);
    registerDialog(dialog);
    m_repeaterDialog = dialog;
    dialog->show();
}

void Overmind::addImportedUserName(const QString &name, int list)
{
    if (list == 0 || list == 1)
        m_importedUserNames[list].append(name);
}

void Overmind::setMainWindow(MainWindow *window)
{
    if (!QMetaType::type("RadioState"))
        qRegisterMetaType<RadioState>("RadioState");
    m_mainWindow = window;
    init();
    connect(window, &MainWindow::toggleConfig, this, &Overmind::onToggleConfig);
    onInitOvermid();
    if (m_viewingMode)
        openLoadedConfig();
}

void Overmind::init()
{
    m_hid = new HIDInterface();
    m_protocol = new Protocol(m_hid, this);
    connect(m_hid, &HIDInterface::messageReceived, m_protocol, &Protocol::onMessageReceived);
    connect(m_hid, &HIDInterface::connected, this, &Overmind::onConnect);
    connect(m_hid, &HIDInterface::connected, this, &Overmind::deviceFound);
    connect(m_hid, &HIDInterface::disconnected, this, &Overmind::onDisconnect);
    connect(m_hid, &HIDInterface::findAnyDevices, this, &Overmind::onFindAnyDevices);
    connect(m_protocol, &Protocol::loginRequired, this, &Overmind::onLoginRequired);
    connect(m_protocol, &Protocol::firmwareVersion, this, &Overmind::onFirmwareVersion);
    connect(m_protocol, &Protocol::errorOccurred, this, &Overmind::onDeviceError);
    connect(m_protocol, &Protocol::writeRefused, this,
            [this](quint8, quint16, quint16, const QString &subject, const QString &deviceText) {
                onWriteRefused(subject, deviceText);
            });
    connect(m_protocol, &Protocol::loginStatus, this,
            [this](LoginStatus_t status, quint8 user, userAccessType_t level) {
                onLoginResult(status, user, level);
            });
    connect(m_protocol, &Protocol::deviceStatus, this, &Overmind::onDeviceStatus);
    connect(m_protocol, &Protocol::settingsVersionsReveived, this,
            &Overmind::checkSettingsVersions);
    connect(m_protocol, &Protocol::dateTimeData, this, &Overmind::checkDeviceTime);
    connect(&m_keepAliveTimer, &QTimer::timeout, this, &Overmind::sendKeepAlive);
}

void Overmind::onInitOvermid()
{
    m_ethernetSettings = nullptr;
    m_objectSettings = nullptr;
    m_deviceSettings = nullptr;
    m_beeperSettings = nullptr;
    m_ledsSettings = nullptr;
    m_iButtonConfig = nullptr;
    m_dateTimeSettings = nullptr;
    m_wirelessSettings = nullptr;
    m_directionSettings = nullptr;
    m_gsmSettings = nullptr;
    m_debugSettings = nullptr;
    m_powerStatusIsp0 = nullptr;
    m_powerStatusIsp1 = nullptr;
    m_powerStatusIsp2 = nullptr;
    m_iButtonModel = nullptr;
    m_journal = nullptr;
    m_userModel = nullptr;
    m_partitionModel = nullptr;
    // The login dialog and the wait window are kept: one of each exists for the run.
    emit connected();
}

void Overmind::onToggleConfig(bool on)
{
    logDebug(this, QStringLiteral("Config: %1")
                       .arg(on ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    if (m_protocol)
        m_protocol->enableConfig(on);
}

// ---- settings lock and minimum take delay ----

bool Overmind::lockCheck()
{
    if (m_viewingMode)
        return true;
    for (int slot = 0; m_partitionModel && slot < m_deviceInfo.partitionCount(); ++slot) {
        const Partition *partition = m_partitionModel->partition(uchar(slot));
        if (partition && (partition->state() == 16 || partition->state() == 6)) {
            MessageBoxU::critical(tr("Configuration cannot be loaded if there are locked "
                                     "partitions."),
                                  tr("Configuration loading"));
            return false;
        }
    }
    return true;
}

void Overmind::setMinimumTakeDelay()
{
    if (m_objectSettings && m_wirelessSettings)
        m_objectSettings->setMinimumTakeDelay(m_wirelessSettings->connectionInterval());
}

void Overmind::resetMinimumTakeDelay()
{
    if (!m_partitionModel)
        return;
    int delay = 5;
    const QList<Sensor::SPtr> sensors = m_partitionModel->sensors();
    for (const Sensor::SPtr &sensor : sensors) {
        if (!sensor || sensor->id() >= m_deviceInfo.maxSensors())
            continue;
        const Partition *partition = m_partitionModel->partition(sensor->partition());
        if ((!partition || partition->takeDelayEnabled()) && isEnergySavingType(sensor->type()) &&
            sensor->energySavingMode() == 1) {
            qDebug() << "Energy save mode enabled in" << sensor->displayName();
            delay = m_minimumTakeDelay;
            break;
        }
    }
    if (m_objectSettings)
        m_objectSettings->setMinimumTakeDelay(delay);
}

bool Overmind::hasEnergySavingSensors() const
{
    if (!m_partitionModel)
        return false;
    const QList<Sensor::SPtr> sensors = m_partitionModel->sensors();
    return std::any_of(sensors.cbegin(), sensors.cend(), [](const Sensor::SPtr &sensor) {
        return sensor && sensor->energySavingMode() == 1;
    });
}

void Overmind::storeMacAddress(const QString &text)
{
    if (!m_ethernetSettings)
        return;
    m_ethernetSettings->setMacAddress(text);
    m_ethernetSettings->store();
}
