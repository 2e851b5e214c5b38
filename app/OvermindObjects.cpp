#include "app/Overmind.h"

#include "app/MainWindow.h"
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
