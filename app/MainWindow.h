#pragma once

#include <QMainWindow>

class BeeperSettings;
class DateTimeSettings;
class DebugSettings;
class DeviceSettings;
class DirectionSettings;
class EthernetSettings;
class GSMSettings;
class IButtonConfig;
class IButtonModel;
class Journal;
class LedsSettings;
class ObjectSettings;
class OutputGroupsSettings;
class PartitionModel;
class PowerStatusIsp0;
class PowerStatusIsp1;
class PowerStatusIsp2;
class Protocol;
class UserModel;
class WirelessSettings;

// The single main window. The controller hands every new settings object to it through
// the setters below, which pass them on to their pages.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    void setIButtonModel(IButtonModel *model) { m_iButtonModel = model; }
    void setUserModel(UserModel *model) { m_userModel = model; }
    void setPartitionModel(PartitionModel *model) { m_partitionModel = model; }
    void setBeeperSettings(BeeperSettings *settings) { m_beeperSettings = settings; }
    void setObjectSettings(ObjectSettings *settings) { m_objectSettings = settings; }
    void setEthernetSettings(EthernetSettings *settings) { m_ethernetSettings = settings; }
    void setDeviceSettings(DeviceSettings *settings) { m_deviceSettings = settings; }
    void setLedsSettings(LedsSettings *settings) { m_ledsSettings = settings; }
    void setIButtonConfig(IButtonConfig *settings) { m_iButtonConfig = settings; }
    void setWirelessSettings(WirelessSettings *settings) { m_wirelessSettings = settings; }
    void setDateTimeSettings(DateTimeSettings *settings) { m_dateTimeSettings = settings; }
    void setGSMSettings(GSMSettings *settings) { m_gsmSettings = settings; }
    void setDebugSettings(DebugSettings *settings) { m_debugSettings = settings; }
    void setOutputGroupsSettings(OutputGroupsSettings *settings)
    {
        m_outputGroupsSettings = settings;
    }
    void setDirectionSettings(DirectionSettings *settings) { m_directionSettings = settings; }
    void setPowerStatusIsp0(PowerStatusIsp0 *model) { m_powerStatusIsp0 = model; }
    void setPowerStatusIsp1(PowerStatusIsp1 *model) { m_powerStatusIsp1 = model; }
    void setPowerStatusIsp2(PowerStatusIsp2 *model) { m_powerStatusIsp2 = model; }
    void setRealtimeProtocol(Protocol *protocol) { m_realtimeProtocol = protocol; }
    void setJournal(Journal *journal) { m_journal = journal; }

    void setJournalHidden(bool hidden) { m_journalHidden = hidden; }
    void setUpdateHidden(bool hidden) { m_updateHidden = hidden; }
    void setDebugHidden(bool hidden) { m_debugHidden = hidden; }
    void enableAllTabs() {}
    bool isJournalHidden() const { return m_journalHidden; }
    bool isUpdateHidden() const { return m_updateHidden; }
    bool isDebugHidden() const { return m_debugHidden; }

    DirectionSettings *directionSettings() const { return m_directionSettings; }
    EthernetSettings *ethernetSettings() const { return m_ethernetSettings; }

    void buildSettingsList() {}
    void updateSurGardVisibility() {}
    void setUpdateOnlyMode(bool on) { m_updateOnlyMode = on; }

signals:
    void toggleConfig(bool on);

public slots:
    void onDisconnect() {}
    void loadingStarted() {}
    void loadingFinished() {}
    void loadingProgress(unsigned percent) { m_loadingPercent = percent; }

private:
    IButtonModel *m_iButtonModel = nullptr;
    UserModel *m_userModel = nullptr;
    PartitionModel *m_partitionModel = nullptr;
    BeeperSettings *m_beeperSettings = nullptr;
    ObjectSettings *m_objectSettings = nullptr;
    EthernetSettings *m_ethernetSettings = nullptr;
    DeviceSettings *m_deviceSettings = nullptr;
    LedsSettings *m_ledsSettings = nullptr;
    IButtonConfig *m_iButtonConfig = nullptr;
    WirelessSettings *m_wirelessSettings = nullptr;
    DateTimeSettings *m_dateTimeSettings = nullptr;
    GSMSettings *m_gsmSettings = nullptr;
    DebugSettings *m_debugSettings = nullptr;
    OutputGroupsSettings *m_outputGroupsSettings = nullptr;
    DirectionSettings *m_directionSettings = nullptr;
    PowerStatusIsp0 *m_powerStatusIsp0 = nullptr;
    PowerStatusIsp1 *m_powerStatusIsp1 = nullptr;
    PowerStatusIsp2 *m_powerStatusIsp2 = nullptr;
    Protocol *m_realtimeProtocol = nullptr;
    Journal *m_journal = nullptr;
    bool m_journalHidden = false;
    bool m_updateHidden = false;
    bool m_debugHidden = false;
    bool m_updateOnlyMode = false;
    unsigned m_loadingPercent = 0;
};
