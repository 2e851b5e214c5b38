#include "app/Overmind.h"

#include "app/ClickCatcher.h"
#include "app/ConfigWriteTimes.h"
#include "app/FactoryResetWidget.h"
#include "app/Intervals.h"
#include "app/KorvelConfigWidget.h"
#include "app/Loader.h"
#include "app/Logger.h"
#include "app/LoginWidget.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/MessageDialog.h"
#include "app/SelectKorvel.h"
#include "app/SpaceCatcher.h"
#include "app/Storable.h"
#include "app/WaitForm.h"
#include "journal/Journal.h"
#include "journal/PowerStatusIsp0.h"
#include "journal/PowerStatusIsp1.h"
#include "journal/PowerStatusIsp2.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/GSMSettings.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/radio/SelectRetranslator.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/settings/BeeperSettings.h"
#include "pages/settings/DateTimeSettings.h"
#include "pages/settings/DebugSettings.h"
#include "pages/settings/DeviceSettings.h"
#include "pages/settings/IButtonConfig.h"
#include "pages/settings/LedsSettings.h"
#include "pages/settings/ObjectSettings.h"
#include "pages/settings/OutputGroupsSettings.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/UserModel.h"
#include "radio/DeviceTypes.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"
#include "radio/Sensor.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QMetaType>
#include <QProcess>
#include <QStandardItemModel>
#include <QWidget>
#include <algorithm>

namespace {
Overmind *s_overmind = nullptr;

// The main window's disconnected look, once the window offers it.
template <typename W>
auto showDisconnectedState(W *window, int) -> decltype(window->showDisconnectedState(), void())
{
    window->showDisconnectedState();
}
template <typename W> void showDisconnectedState(W *window, long)
{
    window->onDisconnect();
}

// Waits without blocking the window: pending events run, and the wait ends when the
// condition holds, the device goes away or the limit passes. A wait the event loop could
// not run, or that the program's quit ended, is told apart from a limit that passed.
enum class WaitEnd
{
    Done,
    LimitPassed,
    DeviceLost,
    Cut
};

WaitEnd waitWithoutBlocking(QObject *owner, HIDInterface *hid, const std::function<bool()> &done,
                            int limitMs, const QString &what)
{
    if (done())
        return WaitEnd::Done;
    QEventLoop loop;
    QTimer poll;
    QTimer limit;
    WaitEnd end = WaitEnd::Cut;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        end = WaitEnd::LimitPassed;
        loop.quit();
    });
    QMetaObject::Connection gone;
    if (hid)
        gone = QObject::connect(hid, &HIDInterface::disconnected, &loop, [&] {
            end = WaitEnd::DeviceLost;
            loop.quit();
        });
    poll.start(10);
    limit.start(limitMs);
    loop.exec();
    QObject::disconnect(gone);
    if (done())
        return WaitEnd::Done;
    if (end == WaitEnd::LimitPassed)
        logWarning(owner, QStringLiteral("Gave up waiting for %1").arg(what));
    else if (end == WaitEnd::DeviceLost)
        logWarning(owner, QStringLiteral("Device disconnected while waiting for %1").arg(what));
    else
        logWarning(owner,
                   QStringLiteral("Could not wait for %1: the program is quitting").arg(what));
    return end;
}
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

template <typename T> T *Overmind::replace(T *&slot, T *created)
{
    if (slot)
        slot->deleteLater();
    slot = created;
    return created;
}

void Overmind::registerObject(Storable *object)
{
    m_registry.insert(object->jsonKey(), object);
}

void Overmind::createSettingsObjects(bool withPartitionModel)
{
    MainWindow *window = m_mainWindow;
    m_registry.clear();

    registerObject(replace(m_iButtonModel, new IButtonModel(m_protocol, nullptr)));
    if (window)
        window->setIButtonModel(m_iButtonModel);
    registerObject(replace(m_userModel, new UserModel(m_protocol, this)));
    if (window)
        window->setUserModel(m_userModel);
    if (withPartitionModel) {
        registerObject(replace(m_partitionModel, new PartitionModel(m_protocol, nullptr)));
        if (window)
            window->setPartitionModel(m_partitionModel);
    }
    registerObject(replace(m_beeperSettings, new BeeperSettings(m_protocol, this)));
    if (window)
        window->setBeeperSettings(m_beeperSettings);
    replace(m_objectSettings, new ObjectSettings(m_protocol, this));
    if (window)
        window->setObjectSettings(m_objectSettings);
    registerObject(m_objectSettings);
    if (m_deviceInfo.execution() == 1) {
        m_ethernetSettings = nullptr;
        if (window)
            window->setEthernetSettings(nullptr);
    } else {
        replace(m_ethernetSettings, new EthernetSettings(m_protocol, this));
        if (window)
            window->setEthernetSettings(m_ethernetSettings);
        registerObject(m_ethernetSettings);
    }
    replace(m_deviceSettings, new DeviceSettings(m_protocol, this));
    if (window)
        window->setDeviceSettings(m_deviceSettings);
    registerObject(m_deviceSettings);
    if (m_dateTimeSettings)
        m_dateTimeSettings->setDeviceData(m_deviceSettings->data());
    replace(m_ledsSettings, new LedsSettings(m_protocol, this));
    if (window)
        window->setLedsSettings(m_ledsSettings);
    registerObject(m_ledsSettings);
    replace(m_iButtonConfig, new IButtonConfig(m_protocol, this));
    if (window)
        window->setIButtonConfig(m_iButtonConfig);
    registerObject(m_iButtonConfig);
    replace(m_wirelessSettings, new WirelessSettings(m_protocol, this));
    if (window)
        window->setWirelessSettings(m_wirelessSettings);
    registerObject(m_wirelessSettings);
    replace(m_dateTimeSettings, new DateTimeSettings(m_protocol, this));
    if (window)
        window->setDateTimeSettings(m_dateTimeSettings);
    registerObject(m_dateTimeSettings);
    if (m_deviceSettings)
        m_dateTimeSettings->setDeviceData(m_deviceSettings->data());
    replace(m_gsmSettings, new GSMSettings(m_protocol, this));
    if (window)
        window->setGSMSettings(m_gsmSettings);
    registerObject(m_gsmSettings);
    replace(m_debugSettings, new DebugSettings(m_protocol, this));
    if (m_ethernetSettings)
        connect(m_ethernetSettings, &EthernetSettings::macAddressUpdated, m_debugSettings,
                &DebugSettings::setMacAddressText);
    if (window)
        window->setDebugSettings(m_debugSettings);
    registerObject(m_debugSettings);
    replace(m_outputGroupsSettings, new OutputGroupsSettings(m_protocol, this));
    if (window)
        window->setOutputGroupsSettings(m_outputGroupsSettings);
    registerObject(m_outputGroupsSettings);
    createDirectionSettings();
    if (m_viewingMode)
        return;

    if (m_powerStatusIsp0)
        m_powerStatusIsp0->deleteLater();
    if (m_powerStatusIsp1)
        m_powerStatusIsp1->deleteLater();
    if (m_powerStatusIsp2)
        m_powerStatusIsp2->deleteLater();
    m_powerStatusIsp0 = new PowerStatusIsp0(this);
    m_powerStatusIsp1 = new PowerStatusIsp1(this);
    m_powerStatusIsp2 = new PowerStatusIsp2(this);
    if (window) {
        window->setPowerStatusIsp0(m_powerStatusIsp0);
        window->setPowerStatusIsp1(m_powerStatusIsp1);
        window->setPowerStatusIsp2(m_powerStatusIsp2);
        window->setRealtimeProtocol(m_protocol);
    }
    replace(m_journal, new Journal(m_protocol, nullptr));
    if (window)
        window->setJournal(m_journal);
    m_debugMode = false;
}

void Overmind::createDirectionSettings()
{
    for (int i = 0; i < m_deviceInfo.directionCount(); ++i)
        m_ipChannelCounts.insert(i, 0);
    DirectionSettings::Table directions;
    if (m_directionSettings) {
        if (m_mainWindow)
            m_mainWindow->setDirectionSettings(nullptr);
        // A viewed file starts from its own directions, never from a device's read earlier.
        if (!m_viewingMode)
            directions = m_directionSettings->directions();
        delete m_directionSettings;
    }
    m_directionSettings = new DirectionSettings(m_protocol, this);
    m_directionSettings->setDirections(directions);
    registerObject(m_directionSettings);
    if (m_mainWindow)
        m_mainWindow->setDirectionSettings(m_directionSettings);
}

void Overmind::deleteModels()
{
    delete m_journal;
    m_journal = nullptr;
    delete m_iButtonModel;
    m_iButtonModel = nullptr;
    delete m_userModel;
    m_userModel = nullptr;
    delete m_partitionModel;
    m_partitionModel = nullptr;
}

QJsonObject Overmind::settingsJson() const
{
    QJsonObject settings;
    for (auto it = m_registry.cbegin(); it != m_registry.cend(); ++it)
        settings.insert(it.value()->jsonKey(), it.value()->toJson());
    return settings;
}

bool Overmind::loadConfigFile(const QString &path)
{
    m_configPath = path;
    ConfigFile document;
    if (!loadViewableFile(path, document))
        return false;
    m_configFile = document;
    return true;
}

// Loads a file for viewing into its own document, so a failure leaves the open file as it
// is; the command line and the menu both come through here for the same checks.
bool Overmind::loadViewableFile(const QString &path, ConfigFile &document)
{
    const bool exists = QFileInfo::exists(path);
    if (!reportConfigLoadError(document.load(path)) || !exists)
        return false;
    if (isOldConfigVersion(document)) {
        MessageBoxU::warning(
            tr("<p>The selected configuration file has an outdated format and cannot be "
               "opened. To view the configuration from this file, install the configurator "
               "version 1.03.4167.</p>"
               "<p>The configurator version 1.03.4167 can be downloaded from the "
               "<a href=\"https://ardanet.example/downloads\">manufacturer's website</a>.</p>"),
            tr("Configuration loading"));
        return false;
    }
    return true;
}

bool Overmind::reportConfigLoadError(int code)
{
    if (code == ConfigFile::CannotOpen) {
        MessageBoxU::warning(tr("Failed to open the file."), MessageBoxU::tr("Warning"));
        return false;
    }
    if (code == ConfigFile::NotJson) {
        MessageBoxU::warning(tr("The configuration file contains errors in Json format."),
                             MessageBoxU::tr("Warning"));
        return false;
    }
    return true;
}

bool Overmind::isOldConfigVersion(ConfigFile document)
{
    if (!document.contains(QStringLiteral("Version")))
        return true;
    return document.value(QStringLiteral("Version")).toString().toDouble() < 2;
}

void Overmind::setViewingMode(bool on)
{
    m_viewingMode = on;
    if (m_mainWindow) {
        m_mainWindow->setJournalHidden(on);
        m_mainWindow->setUpdateHidden(on);
    }
}

void Overmind::openLoadedConfig()
{
    const QJsonObject document = m_configFile.object();
    m_deviceInfo.initForExecution(document.value(QStringLiteral("Execution")).toInt(),
                                  document.value(QStringLiteral("Modification")).toInt(), 256, 256);
    emit setKorvelType();
    createSettingsObjects(true);
    emit endInitSettings();
    if (!writeConfigToDevice(m_configFile))
        return;
    writeConfigSecondPass(m_configFile);
    emit connected();
    emit loginSuccessful();
    m_loggedIn = true;
    emit ready();
    m_settingsLocked = false;
    emit lockSettingsChanged();
    if (m_mainWindow) {
        m_mainWindow->setDebugHidden(true);
        m_mainWindow->setUpdateHidden(true);
        m_mainWindow->setJournalHidden(true);
        m_mainWindow->enableAllTabs();
    }
}

void Overmind::initViewingMode(const QString &path)
{
    ConfigFile document;
    if (!loadViewableFile(path, document))
        return;
    applyViewedFile(document, path);
}

void Overmind::applyViewedFile(const ConfigFile &document, const QString &path)
{
    m_configFile = document;
    m_configPath = path;
    if (m_hid)
        m_hid->deactivate();
    m_keepAliveTimer.stop();
    emit breakLoader();
    if (m_mainWindow)
        m_mainWindow->onDisconnect();
    detachModelsFromPages();
    deleteModels();
    m_loggedIn = false;
    onInitOvermid();
    m_viewingMode = true;
    openLoadedConfig();
}

// Pages must not keep showing a model that is about to be deleted.
void Overmind::detachModelsFromPages()
{
    if (!m_mainWindow)
        return;
    m_mainWindow->setJournal(nullptr);
    m_mainWindow->setIButtonModel(nullptr);
    m_mainWindow->setUserModel(nullptr);
    m_mainWindow->setPartitionModel(nullptr);
}

void Overmind::viewConfigFile(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (paths.size() >= 2) {
        if (m_loggedIn && !m_viewingMode) {
            for (const QString &path : paths)
                ctreateNewProcess(path);
            return;
        }
        initViewingMode(paths.first());
        for (int i = 1; i < paths.size(); ++i)
            ctreateNewProcess(paths.at(i));
        return;
    }
    const QString path = paths.first();
    ConfigFile document;
    if (!loadViewableFile(path, document))
        return;
    if (!m_loggedIn) {
        m_configFile = document;
        m_configPath = path;
        setViewingMode(true);
        openLoadedConfig();
        return;
    }
    MessageDialog dialog;
    dialog.setTitle(tr("Viewing cofiguration file"));
    dialog.setText(tr("Do you want to continue in this window and disconnect from the device?"));
    dialog.addButton(tr("In the current window"));
    dialog.addButton(tr("In a new window"));
    dialog.addButton(tr("Cancel"));
    registerDialog(&dialog);
    const int answer = dialog.exec();
    if (answer == 0)
        applyViewedFile(document, path);
    else if (answer == 1)
        ctreateNewProcess(path);
}

void Overmind::ctreateNewProcess(const QString &path)
{
    const QString program = QCoreApplication::applicationFilePath();
    if (m_processStarter) {
        m_processStarter(program, {path});
        return;
    }
    QProcess::startDetached(program, {path}, QString());
}

bool Overmind::onSaveSettings(const QString &path)
{
    ConfigFile document;
    document.writeHeader();
    document.setPath(path);
    KorvelConfigWidget chooser;
    chooser.setConfiguration(document, KorvelConfigWidget::Saving);
    connect(this, &Overmind::disconnected, &chooser, &QWidget::close);
    if (chooser.exec() != QDialog::Accepted)
        return false;
    const ConfigFile chosen = chooser.configuration();
    if (!chosen.save(chosen.path())) {
        MessageBoxU::critical(tr("Can not write file."), MessageBoxU::tr("Critical"));
        return false;
    }
    return true;
}

void Overmind::onLoadSettings(const QString &path)
{
    ConfigFile document;
    if (!reportConfigLoadError(document.load(path)))
        return;
    if (document.formatVersion() == 0) {
        MessageBoxU::warning(tr("<p>The selected configuration file has an unknown format and "
                                "cannot be downloaded.</p>"),
                             tr("Configuration loading"));
        return;
    }
    {
        KorvelConfigWidget chooser;
        chooser.setConfiguration(document, KorvelConfigWidget::Loading);
        connect(this, &Overmind::disconnected, &chooser, &QWidget::close, Qt::UniqueConnection);
        if (chooser.exec() != QDialog::Accepted)
            return;
        m_writeInDocument = chooser.configuration();
    }
    // The device may have gone while the chooser was open.
    if (!m_hid || !m_hid->isActive()) {
        MessageBoxU::warning(tr("The device is disconnected. The configuration was not written."),
                             tr("Configuration loading"));
        return;
    }

    m_configWriteRunning = true;
    m_writeInFailed = false;
    m_writeInReloginSent = false;
    m_writeInProblems.clear();
    if (m_mainWindow)
        showDisconnectedState(m_mainWindow, 0);
    if (!m_waitForm)
        m_waitForm = new WaitForm();
    m_waitForm->show();
    if (m_hid)
        connect(m_hid, &HIDInterface::disconnected, this, &Overmind::onDisconnectDuringConfigWrite,
                Qt::UniqueConnection);
    QCoreApplication::processEvents();
    logTrace(this, QStringLiteral("Writing settings"));

    logDebug(this, QStringLiteral("Configuration write: stage 1"));
    if (!writeConfigToDevice(m_writeInDocument)) {
        finishConfigWrite();
        return;
    }
    if (m_writeInDocument.formatVersion() == 1)
        m_usersStageTimer.start(ConfigWriteTimes::usersStageMs);
    m_secondPassTimer.start(ConfigWriteTimes::secondPassMs);
}

void Overmind::runUsersStage()
{
    if (!m_configWriteRunning)
        return;
    logDebug(this, QStringLiteral("Configuration write: stage 2"));
    if (writeConfigUsers(m_writeInDocument))
        return;
    // The keys and directions still follow; the device is not restarted afterwards.
    m_writeInFailed = true;
    if (m_waitForm)
        m_waitForm->hide();
    emit reloadConfigFile();
}

void Overmind::runSecondPassStage()
{
    if (!m_configWriteRunning)
        return;
    // The keys and the restart follow the users, never overtake them.
    if (m_userModel && m_userModel->isWritingAll()) {
        connect(m_userModel, &UserModel::writeAllFinished, this, &Overmind::runSecondPassStage,
                Qt::UniqueConnection);
        return;
    }
    if (m_userModel)
        disconnect(m_userModel, &UserModel::writeAllFinished, this, &Overmind::runSecondPassStage);
    logDebug(this, QStringLiteral("Configuration write: stage 3"));
    writeConfigSecondPass(m_writeInDocument);
    finishConfigWrite();
}

bool Overmind::readSection(Storable *object, const ConfigFile &document, int format)
{
    return object->fromJson(document.value(object->jsonKey()), format);
}

// The users being written must still hold the logged-in user, or the write-in would lock
// the user out of the device.
bool Overmind::usersHoldCurrentUser(const QJsonValue &users, int format) const
{
    if (!users.isArray()) {
        logWarning(const_cast<Overmind *>(this),
                   QStringLiteral("The section \"Users\" is not a list: it was not written"));
        return false;
    }
    // Only the users the model takes count: a skipped element does not log anybody in.
    return m_userModel && m_userModel->acceptedIds(users, format).contains(m_currentUser);
}

void Overmind::reportMissingCurrentUser() const
{
    qDebug() << "The configuration cannot be loaded because current user does not found";
    qDebug() << "Configuration loading";
    logWarning(const_cast<Overmind *>(this),
               QStringLiteral("The configuration cannot be loaded because current user does not "
                              "found"));
}

bool Overmind::writeConfigToDevice(const ConfigFile &document)
{
    m_settingsLoaded = false;
    const int format = document.formatVersion();
    bool result = false;
    bool stopped = false;
    // Reading a section may store it, which in viewing mode rewrites the registry's
    // file; iterate over a copy so the registry can change underneath.
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend() && !stopped; ++it) {
        const QString &key = it.key();
        if (!document.contains(key))
            continue;
        if (format == 1 && key == QLatin1String("Users")) {
            result = true;
            continue;
        }
        if (format != 1 && (key == QLatin1String("iButton") || key == QLatin1String("Directions") ||
                            key == QLatin1String("Ethernet"))) {
            result = true;
            continue;
        }
        if (format != 1 && key == QLatin1String("Users") && !m_viewingMode) {
            if (!usersHoldCurrentUser(document.value(key), 2)) {
                reportMissingCurrentUser();
                result = false;
                stopped = true;
                continue;
            }
            // The file's users replace the device's, and their keys go with them.
            if (m_userModel)
                m_userModel->deleteAllUsers();
            if (m_iButtonModel)
                m_iButtonModel->clear();
            readSection(it.value(), document, 2);
            if (m_userModel)
                m_userModel->writeAllToDevice();
            result = true;
            continue;
        }
        if (!readSection(it.value(), document, format == 1 ? 1 : 2) &&
            key == QLatin1String("Users"))
            logWarning(this,
                       QStringLiteral("The section \"Users\" is not a list: it was not read"));
    }
    if (!stopped && format != 1)
        writeRadioSections(document);
    m_settingsLoaded = true;
    return result;
}

// Radio devices, the wired loop and the local outputs come from the four partition
// arrays of the document.
void Overmind::writeRadioSections(const ConfigFile &document)
{
    if (!m_partitionModel)
        return;
    if (document.contains(QStringLiteral("Sensors"))) {
        // The arming delay may not drop below the radio interval of an energy-saving device.
        if (m_partitionModel->jsonHasEnergySaveSensor(document.value(QStringLiteral("Sensors"))))
            setMinimumTakeDelay();
        else
            resetMinimumTakeDelay();
        QCoreApplication::processEvents();
        m_partitionModel->loadSensorsFromJson(document.value(QStringLiteral("Sensors")));
    }
    if (document.contains(QStringLiteral("Loop")))
        m_partitionModel->loadLoopFromJson(document.value(QStringLiteral("Loop")));
    if (document.contains(QStringLiteral("Output")))
        m_partitionModel->loadLocalOutsFromJson(document.value(QStringLiteral("Output")));
}

bool Overmind::writeConfigUsers(const ConfigFile &document)
{
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend(); ++it) {
        if (it.key() != QLatin1String("Users") || !document.contains(it.key()))
            continue;
        // Checked before anything is deleted: a file without the logged-in user leaves
        // the device's users and keys as they are.
        if (!m_viewingMode &&
            !usersHoldCurrentUser(document.value(it.key()), document.formatVersion())) {
            reportMissingCurrentUser();
            return false;
        }
        if (!document.value(it.key()).isArray()) {
            logWarning(this,
                       QStringLiteral("The section \"Users\" is not a list: it was not read"));
            continue;
        }
        if (m_userModel)
            m_userModel->deleteAllUsers();
        if (m_iButtonModel)
            m_iButtonModel->clear();
        readSection(it.value(), document, document.formatVersion());
        if (m_viewingMode)
            continue;
        if (m_userModel)
            m_userModel->writeAllToDevice();
        return true;
    }
    return true;
}

bool Overmind::writeConfigSecondPass(const ConfigFile &document)
{
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend(); ++it) {
        const QString &key = it.key();
        if (!document.contains(key))
            continue;
        if (key == QLatin1String("iButton")) {
            // A section of the wrong shape would empty the device's keys and write none.
            const int format = document.formatVersion();
            if (!IButtonModel::hasSectionShape(document.value(key), format)) {
                logWarning(this, QStringLiteral("The section \"iButton\" has the wrong shape: "
                                                "it was not written."));
                reportWriteInProblem(tr("The section \"iButton\" has the wrong shape: it was "
                                        "not written."));
                continue;
            }
            if (m_iButtonModel)
                m_iButtonModel->clear();
            readSection(it.value(), document, format);
        } else if (key == QLatin1String("Directions") || key == QLatin1String("Ethernet")) {
            readSection(it.value(), document, document.formatVersion());
        }
    }
    return true;
}

bool Overmind::waitUntil(const std::function<bool()> &done, int limitMs, const QString &what)
{
    return waitWithoutBlocking(this, m_hid, done, limitMs, what) == WaitEnd::Done;
}

void Overmind::waitFor(const std::function<void()> &action)
{
    bool transmitted = false;
    QMetaObject::Connection sent;
    if (m_hid)
        sent = connect(m_hid, &HIDInterface::partTransmitted, this,
                       [&transmitted] { transmitted = true; });
    action();
    waitUntil([&transmitted] { return transmitted; }, ConfigWriteTimes::transmitLimitMs,
              QStringLiteral("the command to be sent"));
    disconnect(sent);
}

void Overmind::finishConfigWrite()
{
    if (!m_configWriteRunning)
        return;
    m_usersStageTimer.stop();
    m_secondPassTimer.stop();
    if (m_writeInFailed) {
        endConfigWrite();
        showWriteInSummary();
        return;
    }
    const WaitEnd drained = waitWithoutBlocking(
        this, m_hid, [this] { return !m_hid || !m_hid->isWriterBusy(); },
        ConfigWriteTimes::drainLimitMs, QStringLiteral("the settings to be written"));
    if (!m_configWriteRunning)
        return; // ended by a disconnection meanwhile
    if (drained == WaitEnd::Cut) {
        // The program is quitting: the device was neither restarted nor found at fault.
        m_writeInProblems.clear();
        endConfigWrite();
        return;
    }
    if (drained != WaitEnd::Done) {
        m_writeInProblems.clear();
        endConfigWrite();
        MessageBoxU::critical(tr("The device did not take the configuration. It was not "
                                 "restarted; check the settings after the next login."),
                              MessageBoxU::tr("Critical"));
        return;
    }
    endConfigWrite();
    if (showWriteInSummary())
        return;
    logTrace(this, QStringLiteral("Writing settings done. Restarting"));
    qDebug() << "Writing settings done. Restarting";
    if (!m_protocol || !m_hid || !m_hid->isActive()) {
        logWarning(this, QStringLiteral("The device is gone: it was not restarted"));
        return;
    }
    // The session ends with the restart: nothing more goes to the device.
    waitFor([this] {
        m_keepAliveTimer.stop();
        m_protocol->reboot();
    });
}

// Every way out of a write-in comes here: nothing stays disconnected or flagged, so the
// next login rebuilds the settings objects.
void Overmind::endConfigWrite()
{
    m_usersStageTimer.stop();
    m_secondPassTimer.stop();
    m_configWriteRunning = false;
    m_writeInReloginSent = false;
    m_writeInDocument = ConfigFile();
    if (m_hid)
        disconnect(m_hid, &HIDInterface::disconnected, this,
                   &Overmind::onDisconnectDuringConfigWrite);
    if (m_waitForm)
        m_waitForm->hide();
}

// The text is the user's; callers log their own English line.
void Overmind::reportWriteInProblem(const QString &text)
{
    if (m_configWriteRunning)
        m_writeInProblems.append(text);
}

void Overmind::onDisconnectDuringConfigWrite()
{
    if (!m_configWriteRunning)
        return;
    logWarning(this, QStringLiteral("Device disconnected while writing the configuration"));
    endConfigWrite();
    m_settingsLoaded = false;
    MessageBoxU::critical(tr("The device was disconnected while the configuration was being "
                             "written. Connect it again, log in and check the settings."),
                          MessageBoxU::tr("Critical"));
}

int Overmind::utf8BytesLeft(const QString &text)
{
    const int bytes = text.toUtf8().size();
    if (bytes >= 64)
        return 0;
    if (bytes == 63)
        return 1;
    return 63 - bytes;
}

bool Overmind::limitUtf8Length(const QString &text, QLineEdit *lineEdit)
{
    if (!lineEdit) {
        qWarning() << "lineEdit is not found";
        return false;
    }
    const int bytes = text.toUtf8().size();
    if (bytes >= 64)
        return false;
    const int cursor = lineEdit->cursorPosition();
    lineEdit->setMaxLength(text.size() + 64 - bytes);
    lineEdit->setCursorPosition(cursor);
    return true;
}

quint16 Overmind::checkedMask(QComboBox *comboBox)
{
    quint16 mask = 0;
    for (int i = 0; i < comboBox->count() && i < 16; ++i) {
        if (comboBox->itemData(i, Qt::CheckStateRole).toInt() != Qt::Unchecked)
            mask |= quint16(1u << i);
    }
    return mask;
}

void Overmind::setOutputGroupCount(int count)
{
    m_outputGroupNames = QStringList();
    for (int i = 0; i < count; ++i)
        m_outputGroupNames.append(QString());
}

void Overmind::setOutputGroupName(int index, const QString &name)
{
    if (index >= 0 && index < m_outputGroupNames.size())
        m_outputGroupNames[index] = name;
}

QString Overmind::outputGroupName(int index) const
{
    return index >= 0 && index < m_outputGroupNames.size() ? m_outputGroupNames.at(index)
                                                           : QString();
}

void Overmind::fillOutputGroupCombo(QComboBox *comboBox) const
{
    for (int group = 1; group <= 16; ++group)
        comboBox->addItem(QStringLiteral("%1. %2").arg(group).arg(outputGroupName(group - 1)));
    comboBox->setMaxVisibleItems(16);
}

QString Overmind::directionName(int index) const
{
    if (index == m_deviceInfo.directionCount())
        return tr("Managing user");
    return m_directionSettings ? m_directionSettings->directionName(index) : QString();
}

bool Overmind::isFirmwareOlderThan12() const
{
    return m_deviceInfo.version() < 0x0102;
}

bool Overmind::isFirmwareOlderThan14() const
{
    return m_deviceInfo.version() < 0x0104;
}

bool Overmind::hasFreeIpChannel() const
{
    int used = 0;
    for (int count : m_ipChannelCounts)
        used += count;
    return used < 4;
}

void Overmind::changeIpChannelCount(int direction, int delta)
{
    m_ipChannelCounts[direction] += delta;
}

void Overmind::hideFactoryResetWidget()
{
    if (!m_factoryResetWidget)
        return;
    if (m_factoryResetWidget->isVisible())
        resetMinimumTakeDelay();
    m_factoryResetWidget->hide();
}

// ---- connection and login ----

void Overmind::onConnect()
{
    logDebug(this, QStringLiteral("Connected"));
    if (!m_viewingMode)
        showLoginWidget();
}

void Overmind::showLoginWidget()
{
    if (!m_hid || !m_hid->isAvailable())
        return;
    if (m_loginWidget && m_loginWidget->isVisible())
        return;
    showLoginAgain();
}

bool Overmind::connectDevice()
{
    if (m_chooserOpen)
        return false;
    if (!m_hid || !m_hid->hasDevices()) {
        MessageBoxU::warning(tr("There is no connected device"), tr("Connect device"));
        return false;
    }
    const QList<connect_info> devices = m_hid->deviceList();
    if (devices.size() >= 2) {
        if (m_loginWidget && m_loginWidget->isVisible())
            m_loginWidget->hide();
        emit multipleDevicesFound();
        QCoreApplication::processEvents();
        if (!chooseDevice(devices))
            return false;
    }
    if (!m_hid->isAvailable()) {
        MessageBoxU::critical(
            tr("The device is already connected. You can't connect to the device twice."),
            MessageBoxU::tr("Critical"));
        return false;
    }
    return true;
}

void Overmind::onFindAnyDevices()
{
    if (m_loggedIn || m_viewingMode)
        return;
    if (m_loginWidget && m_loginWidget->isVisible())
        m_loginWidget->hide();
    connectDevice();
}

bool Overmind::onAuthorize()
{
    if (!connectDevice())
        return false;
    if (!m_hid)
        return true;
    if (!m_hid->hasDevices())
        return false;
    showLoginWidget();
    m_hid->deactivate();
    m_reloginSuppressed = false;
    return true;
}

void Overmind::onSuccesfullLogin(quint8 user)
{
    m_currentUser = user;
    emit loginSuccessful();
    m_loggedIn = true;
    m_firmwareRetries = 0;
    if (m_mainWindow) {
        m_mainWindow->showNormal();
        m_mainWindow->raise();
    }
    if (m_protocol)
        m_protocol->readFirmwareVersion(16);
}

void Overmind::onFirmwareVersion(quint16 id, const s_fw_info &info)
{
    if (id == 16) {
        applyFirmwareInfo(info);
        const quint32 word72 = quint32(info.modification) | quint32(info.byte73) << 8 |
                               quint32(info.execution) << 16 | quint32(info.byte75) << 24;
        if (word72 == 0xFFFFFFFFu && info.version == 0xFFFF) {
            // An unprogrammed answer: ask again, a few times only.
            if (m_firmwareRetries++ < Intervals::firmwareRetryLimit) {
                if (m_protocol)
                    m_protocol->readFirmwareVersion(16);
            } else {
                logError(this, QStringLiteral("The device reports no firmware information"));
            }
        }
    } else if (id == 15) {
        m_deviceInfo.setVersion(info.version);
        if (m_mainWindow) {
            m_mainWindow->buildSettingsList();
            m_mainWindow->updateSurGardVisibility();
            m_mainWindow->setDebugHidden(true);
        }
    }
}

void Overmind::onParseFirmwareVersion(const s_fw_info &info)
{
    applyFirmwareInfo(info);
}

void Overmind::applyFirmwareInfo(const s_fw_info &info)
{
    m_deviceInfo.setFirmwareInfo(&info);
    m_deviceInfo.init(info.execution, info.modification, info.hardwareVersion, info.version);
    if (m_configWriteRunning)
        return;
    emit setKorvelType();
    createSettingsObjects(true);
    emit endInitSettings();
    if (m_loginWidget && !m_viewingMode) {
        connectLoader(Loader::create(Intervals::loaderDelayMs, m_protocol));
        m_keepAliveTimer.start(Intervals::keepAliveMs);
    }
}

void Overmind::connectLoader(Loader *loader)
{
    if (m_mainWindow) {
        connect(loader, &Loader::started, m_mainWindow, &MainWindow::loadingStarted);
        connect(loader, &Loader::finished, m_mainWindow, &MainWindow::loadingFinished);
        connect(loader, &Loader::progress, m_mainWindow, &MainWindow::loadingProgress);
    }
    connect(loader, &Loader::finished, this, &Overmind::ready);
    connect(loader, &Loader::finished, this, [this] { m_settingsLoaded = true; });
    connect(this, &Overmind::breakLoader, loader, &Loader::stop);
}

void Overmind::sendKeepAlive()
{
    if (m_protocol)
        m_protocol->sendToDevice(_SendRequestExtendLogout);
}

void Overmind::onDisconnect()
{
    m_firmwareUpdateRunning = false;
    m_loggedIn = false;
    // An unplugged device will never finish the read: no retry question afterwards.
    emit breakLoader();
    emit disconnected();
    m_keepAliveTimer.stop();
    m_currentUser = -1;
    m_settingsLoaded = false;
}

void Overmind::onDisconnectfromMainwindow()
{
    m_loggedIn = false;
    m_keepAliveTimer.stop();
    m_currentUser = -1;
    m_settingsLoaded = false;
    emit breakLoader();
    emit disconnected();
}

void Overmind::releaseDevice(bool suppress)
{
    if (m_hid)
        m_hid->deactivate();
    m_reloginSuppressed = suppress;
}

bool Overmind::userMatches(int user) const
{
    return user == m_currentUser || user == -1 || m_currentUser == -1;
}

void Overmind::onLoginRequired(int user)
{
    if (!m_hid || !m_hid->isActive() || m_reloginSuppressed || m_viewingMode || !userMatches(user))
        return;
    if (m_mainWindow)
        m_mainWindow->onDisconnect();
    QTimer::singleShot(Intervals::reloginDelayMs, this, [this, user] {
        m_hid->deactivate();
        m_reloginSuppressed = false;
        if (!m_viewingMode && userMatches(user) && m_hid->isAvailable() && connectDevice())
            showLoginAgain();
    });
}

void Overmind::showLoginAgain()
{
    // The one login dialog of the run, created on first need.
    if (!m_loginWidget) {
        m_loginWidget = new LoginWidget();
        connect(this, &Overmind::disconnected, m_loginWidget, &QWidget::hide);
        connect(m_loginWidget, &LoginWidget::loginSuccess, this, &Overmind::onSuccesfullLogin,
                Qt::UniqueConnection);
    }
    LoginWidget::centreOver(m_loginWidget, m_mainWindow);
    if (!m_loginWidget->isVisible()) {
        m_loginWidget->show();
        m_loginWidget->setEnabled(true);
    }
}

bool Overmind::skipRelogin(int user)
{
    return m_reloginSuppressed || m_viewingMode ||
           (m_currentUser != -1 && user != m_currentUser && user != -1);
}

void Overmind::relogin(int user)
{
    if (m_reloginSuppressed || m_viewingMode)
        return;
    if (userMatches(user) && m_hid && m_hid->isAvailable() && connectDevice())
        showLoginAgain();
}

void Overmind::onLoginResult(quint8 status, quint8 user, int accessLevel)
{
    Q_UNUSED(user)
    if (m_configWriteRunning && status == LOGIN_FAILED && m_writeInReloginSent) {
        logWarning(this, QStringLiteral("Login as the current user failed while writing the "
                                        "configuration"));
        endConfigWrite();
        MessageBoxU::critical(tr("Could not log in again while writing the configuration. "
                                 "Log in and check the settings."),
                              MessageBoxU::tr("Critical"));
        return;
    }
    if (!m_waitForm || !m_waitForm->isVisible())
        return;
    if (status == LOGIN_FAILED) {
        m_waitForm->hide();
        m_writeInReloginSent = m_configWriteRunning;
        // The write-in changed the users: log in again as the current one.
        const QString login = currentUserLogin();
        qDebug() << "Overmind::onLoginResult onLoginResult is LOGIN_FAILED relogin as" << login;
        if (m_protocol)
            m_protocol->login(login, LoginWidget::defaultPassword());
        return;
    }
    if (accessLevel != 2)
        MessageBoxU::warning(tr("No write permissions."), MessageBoxU::tr("Warning"));
}

void Overmind::onDeviceError(const QString &text)
{
    if (text.endsWith(QLatin1String("bc1")) && m_waitForm)
        m_waitForm->hide();
    MessageBoxU::critical(text, MessageBoxU::tr("Error"));
}

void Overmind::onWriteRefused(const QString &subject, const QString &deviceText)
{
    if (m_configWriteRunning) {
        reportWriteInProblem(QStringLiteral("%1: %2").arg(subject, deviceText));
        return;
    }
    MessageBoxU::warning(tr("%1: the device refused it.\n%2").arg(subject, deviceText),
                         MessageBoxU::tr("Error"));
}

// The summary of a write-in that did not go through whole; false when nothing went wrong.
bool Overmind::showWriteInSummary()
{
    if (m_writeInProblems.isEmpty())
        return false;
    const QString list = m_writeInProblems.join(QLatin1Char('\n'));
    m_writeInProblems.clear();
    logWarning(this, QStringLiteral("Configuration write: the device refused some settings"));
    MessageBoxU::critical(tr("The device did not take the whole configuration. It was not "
                             "restarted; check the settings after the next login.\n\n%1")
                              .arg(list),
                          MessageBoxU::tr("Critical"));
    return true;
}

void Overmind::onDeviceStatus(const s_DeviceStatus &status)
{
    const bool updateOnly = status.modeFlags & 0x08;
    if (m_protocol)
        m_protocol->setBlockStatusReading(updateOnly);
    if (m_mainWindow)
        m_mainWindow->setUpdateOnlyMode(updateOnly);
}

void Overmind::checkSettingsVersions(const s_SettingsVersions &versions)
{
    const QStringList kinds = {tr("sensor"),   tr("partition"), tr("output"), tr("iButton"),
                               tr("beeper"),   tr("leds"),      tr("object"), tr("device"),
                               tr("wireless"), tr("gsm"),       tr("loop"),   tr("ethernet"),
                               tr("user"),     tr("direction")};
    QStringList incompatible;
    for (int kind = 0; kind < kinds.size(); ++kind) {
        if (versions.versions[kind][1] != 1)
            incompatible.append(kinds.at(kind));
    }
    if (incompatible.isEmpty()) {
        qDebug() << "Compatibility errors not found";
        return;
    }
    MessageBoxU::warning(tr("Compatibility errors found in:\n%1").arg(incompatible.join('\n')),
                         MessageBoxU::tr("Warning"));
}

void Overmind::checkDeviceTime(const u_DateSTM32F4xx &date, const u_TimeSTM32F4xx &time)
{
    if (!m_dateTimeSettings || m_dateTimeSettings->holdsWords(date.value, time.value))
        return;
    m_dateTimeSettings->updateDateTime(date.value, time.value);
    // Both clocks in UTC, whole date and time: no false alarm around midnight.
    const qint64 difference =
        m_dateTimeSettings->dateTime().secsTo(QDateTime::currentDateTimeUtc());
    if (qAbs(difference) <= 60)
        return;
    if (m_valveServiceTimeDialog && m_valveServiceTimeDialog->isVisible())
        m_valveServiceTimeDialog->close();
    MessageBoxU::warning(tr("It is necessary to set the correct time in the device. The "
                            "difference with the system time is more than a minute (%1 seconds)")
                             .arg(difference),
                         MessageBoxU::tr("Warning"));
}

bool Overmind::chooseDevice(const QList<connect_info> &devices)
{
    if (!m_deviceChooser)
        m_deviceChooser = new SelectKorvel();
    m_chooserOpen = true;
    m_deviceChooser->showDevices(devices);
    // Devices unplugged meanwhile leave the list; with fewer than two the choice is moot.
    const QMetaObject::Connection follow =
        connect(m_hid, &HIDInterface::listUpdated, this, [this](const QList<connect_info> &list) {
            if (!m_chooserOpen)
                return;
            m_deviceChooser->setDevices(list);
            if (list.size() < 2) {
                m_deviceChooser->close();
                if (m_loginWidget)
                    m_loginWidget->show();
                m_chooserOpen = false;
            }
        });
    const int result = m_deviceChooser->exec();
    disconnect(follow);
    m_chooserOpen = false;
    if (result != QDialog::Accepted)
        return false;
    return m_hid->selectDevice(m_deviceChooser->selectedSerial());
}

QString Overmind::currentUserLogin() const
{
    // The user model knows the logins once users are read from the device.
    return QString();
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

void Overmind::showFactoryResetWidget()
{
    if (!m_factoryResetWidget)
        m_factoryResetWidget = new FactoryResetWidget(nullptr);
    if (!m_factoryResetWidget->isVisible())
        m_factoryResetWidget->show();
    m_factoryResetWidget->setEnabled(true);
}

// Item i of the box is partition i + 1, so the box holds one item fewer than there are
// partition slots; the walk stops at the last item.
void Overmind::fillPartitionsCombo(QComboBox *comboBox, quint32 mask)
{
    const int items = qMin(comboBox->count(), m_deviceInfo.partitionCount());
    for (int i = 0; i < items; ++i)
        comboBox->setItemData(i, (mask >> i) & 1u ? Qt::Checked : Qt::Unchecked,
                              Qt::CheckStateRole);
    updatePartitionsComboText(comboBox);
}

void Overmind::updatePartitionsComboText(QComboBox *comboBox)
{
    QStringList chosen;
    for (int slot = 1; slot < m_deviceInfo.partitionCount() && slot <= comboBox->count(); ++slot) {
        if (comboBox->itemData(slot - 1, Qt::CheckStateRole).toInt() != Qt::Checked)
            continue;
        const QString name = comboBox->itemText(slot - 1);
        const QString defaultName = tr("Partition # %1").arg(slot, 2, 10, QLatin1Char('0'));
        chosen << (name == defaultName ? name.section(QLatin1Char(' '), -1) : name);
    }
    if (chosen.isEmpty()) {
        comboBox->setCurrentIndex(-1);
        comboBox->setCurrentText(tr("Not selected"));
        return;
    }
    comboBox->setCurrentText(chosen.join(QStringLiteral(", ")));
}

// One flag for every partition box: a report shows the popup when it is set, hides it
// when it is clear, and flips it.
static bool s_partitionPopupShows = true;

static void togglePartitionPopup(QComboBox *comboBox)
{
    if (s_partitionPopupShows)
        comboBox->showPopup();
    else
        comboBox->hidePopup();
    s_partitionPopupShows = !s_partitionPopupShows;
}

void Overmind::initPartitionsCheckCombo(QComboBox *comboBox)
{
    comboBox->setEditable(true);
    comboBox->lineEdit()->setReadOnly(true);
    // Owned by the box, so they go with it.
    auto *clickCatcher = new ClickCatcher(comboBox);
    auto *spaceCatcher = new SpaceCatcher(comboBox);
    comboBox->lineEdit()->installEventFilter(clickCatcher);
    comboBox->installEventFilter(spaceCatcher);
    connect(clickCatcher, &ClickCatcher::clicked, comboBox,
            [comboBox] { togglePartitionPopup(comboBox); });
    connect(spaceCatcher, &SpaceCatcher::spaceCatched, comboBox,
            [comboBox] { togglePartitionPopup(comboBox); });

    auto *model = qobject_cast<QStandardItemModel *>(comboBox->model());
    for (int slot = 1; slot < m_deviceInfo.partitionCount(); ++slot) {
        Partition *partition = m_partitionModel ? m_partitionModel->partition(slot) : nullptr;
        const QString name = partition ? partition->jsonKey()
                                       : QCoreApplication::translate("Partition", "Partition # %1")
                                             .arg(slot, 2, 10, QLatin1Char('0'));
        auto *item = new QStandardItem(name);
        item->setData(name, Qt::AccessibleTextRole);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setData(Qt::Unchecked, Qt::CheckStateRole);
        if (model)
            model->appendRow(item);
        else
            delete item;
    }
    QAbstractItemView *view = comboBox->view();
    connect(view, &QAbstractItemView::doubleClicked, comboBox,
            [this, comboBox](const QModelIndex &index) {
                const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
                comboBox->setItemData(index.row(), checked ? Qt::Unchecked : Qt::Checked,
                                      Qt::CheckStateRole);
                updatePartitionsComboText(comboBox);
            });
    connect(view, &QAbstractItemView::clicked, comboBox,
            [this, comboBox] { updatePartitionsComboText(comboBox); });
}

QStringList Overmind::userPhones() const
{
    QStringList phones;
    if (!m_userModel)
        return phones;
    for (const UserSettings *user : m_userModel->users())
        phones.append(user->phoneText());
    return phones;
}
