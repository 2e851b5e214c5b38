#include "app/Overmind.h"

#include "app/FactoryResetWidget.h"
#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Storable.h"
#include "journal/Journal.h"
#include "journal/PowerStatusIsp0.h"
#include "journal/PowerStatusIsp1.h"
#include "journal/PowerStatusIsp2.h"
#include "pages/comms/EthernetSettings.h"
#include "pages/comms/GSMSettings.h"
#include "pages/comms/WirelessSettings.h"
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
#include "radio/PartitionModel.h"

#include <QComboBox>
#include <QDebug>
#include <QFileInfo>
#include <QLineEdit>
#include <QMetaType>
#include <QStandardItemModel>
#include <QWidget>

namespace {
Overmind *s_overmind = nullptr;
}

Overmind::Overmind(QObject *parent) : QObject(parent)
{
    s_overmind = this;
}

Overmind::~Overmind()
{
    deleteModels();
    // The transport is deleted first so no task touches anything below.
    m_hid = nullptr;
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
    // The login dialog reports the user's access level once it exists.
    return m_loginWidget && m_loginWidget->property("userAccessLevel").toInt() >= 2;
}

bool Overmind::hasDevices() const
{
    return false;
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
    m_keepAliveTimer.setInterval(10000);
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
    m_loginWidget = nullptr;
    m_waitForm = nullptr;
    emit connected();
}

void Overmind::onToggleConfig(bool on)
{
    Q_UNUSED(on)
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

    registerObject(replace(m_iButtonModel, new IButtonModel(m_protocol, nullptr, 1)));
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
    replace(m_journal, new Journal(nullptr));
    if (window)
        window->setJournal(m_journal);
    m_debugMode = false;
}

void Overmind::createDirectionSettings()
{
    for (int i = 0; i < m_deviceInfo.directionCount(); ++i)
        m_ipChannelCounts.insert(i, 0);
    QHash<int, QByteArray> directions;
    if (m_directionSettings) {
        if (m_mainWindow)
            m_mainWindow->setDirectionSettings(nullptr);
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
    const bool exists = QFileInfo::exists(path);
    return reportConfigLoadError(m_configFile.load(path)) && exists;
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

bool Overmind::readSection(Storable *object, const ConfigFile &document, int format)
{
    return object->fromJson(document.value(object->jsonKey()), format);
}

bool Overmind::writeConfigToDevice(const ConfigFile &document)
{
    m_settingsLoaded = false;
    const int format = document.formatVersion();
    bool result = false;
    // Reading a section may store it, which in viewing mode rewrites the registry's
    // file; iterate over a copy so the registry can change underneath.
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend(); ++it) {
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
        if (format != 1 && key == QLatin1String("Users"))
            result = true;
        readSection(it.value(), document, format == 1 ? 1 : 2);
    }
    m_settingsLoaded = true;
    return result;
}

bool Overmind::writeConfigSecondPass(const ConfigFile &document)
{
    const QMap<QString, Storable *> registry = m_registry;
    for (auto it = registry.cbegin(); it != registry.cend(); ++it) {
        const QString &key = it.key();
        if (!document.contains(key))
            continue;
        if (key == QLatin1String("iButton")) {
            m_iButtonModel->clear();
            readSection(it.value(), document, document.formatVersion());
        } else if (key == QLatin1String("Directions") || key == QLatin1String("Ethernet")) {
            readSection(it.value(), document, document.formatVersion());
        }
    }
    return true;
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
    m_factoryResetWidget->hide();
}

void Overmind::showFactoryResetWidget()
{
    if (!m_factoryResetWidget)
        m_factoryResetWidget = new FactoryResetWidget(nullptr);
    if (!m_factoryResetWidget->isVisible())
        m_factoryResetWidget->show();
    m_factoryResetWidget->setEnabled(true);
}

void Overmind::releaseDevice(bool suppressRelogin)
{
    m_reloginSuppressed = suppressRelogin;
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

void Overmind::onAuthorize() {}

void Overmind::viewConfigFile(const QStringList &paths)
{
    Q_UNUSED(paths)
}

bool Overmind::onSaveSettings(const QString &path)
{
    ConfigFile document;
    document.writeHeader();
    document.setPath(path);
    if (!document.save(path)) {
        MessageBoxU::critical(tr("Can not write file."), MessageBoxU::tr("Critical"));
        return false;
    }
    return true;
}

void Overmind::onLoadSettings(const QString &path)
{
    Q_UNUSED(path)
}

void Overmind::resetMinimumTakeDelay()
{
    if (m_partitionModel && m_objectSettings)
        m_objectSettings->setMinimumTakeDelay(5);
}

bool Overmind::lockCheck()
{
    return true;
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
