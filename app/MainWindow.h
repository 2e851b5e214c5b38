#pragma once

#include "app/Logger.h"
#include "app/LoggerFilter.h"
#include "app/UdpListener.h"

#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QStringList>

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
class Overmind;
class Partition;
class PartitionCommandLinkButton;
class PartitionModel;
class PartitionWidget;
class PowerStatusIsp0;
class PowerStatusIsp1;
class PowerStatusIsp2;
class Protocol;
class QAbstractItemModel;
class QListWidgetItem;
class Ui_MainWindow;
class UserModel;
class WirelessSettings;

// The one window of the program: the menus, the tabs holding every page, the settings
// list and the status bar. The controller hands every new settings object to it through
// the setters, which pass them on to their pages.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Ui_MainWindow *form() const { return ui; }
    UdpListener *udpListener() { return &m_udpListener; }

    // Hand-over of the controller's objects to their pages.
    void setIButtonModel(IButtonModel *model);
    void setUserModel(UserModel *model);
    void setPartitionModel(PartitionModel *model);
    void setBeeperSettings(BeeperSettings *settings);
    void setObjectSettings(ObjectSettings *settings);
    void setEthernetSettings(EthernetSettings *settings);
    void setDeviceSettings(DeviceSettings *settings);
    void setLedsSettings(LedsSettings *settings);
    void setIButtonConfig(IButtonConfig *settings);
    void setWirelessSettings(WirelessSettings *settings);
    void setDateTimeSettings(DateTimeSettings *settings);
    void setGSMSettings(GSMSettings *settings);
    void setDebugSettings(DebugSettings *settings);
    void setOutputGroupsSettings(OutputGroupsSettings *settings);
    void setDirectionSettings(DirectionSettings *settings);
    void setPowerStatusIsp0(PowerStatusIsp0 *model);
    void setPowerStatusIsp1(PowerStatusIsp1 *model);
    void setPowerStatusIsp2(PowerStatusIsp2 *model);
    void setRealtimeProtocol(Protocol *protocol);
    void setJournal(Journal *journal);

    // What the pages currently hold.
    DirectionSettings *directionSettings() const;
    EthernetSettings *ethernetSettings() const;
    QList<QWidget *> partitionPages() const { return m_partitionPages; }
    PartitionWidget *currentPartitionPage() const { return m_currentPartitionPage; }

    // Window state the controller and the pages set.
    void showStatus(const QString &text);
    void showDisconnectedState();
    void setUpdateOnlyMode(bool on);
    bool isUpdateOnlyMode() const { return m_updateOnlyMode; }
    void setJournalBlocked(bool blocked);
    void setUpdateBlocked(bool blocked);
    void setDebugHidden(bool hide);
    void setJournalHidden(bool hide);
    void setUpdateHidden(bool hide);
    bool isJournalHidden() const;
    bool isUpdateHidden() const;
    bool isDebugHidden() const;
    void enableAllTabs();
    void updateSurGardVisibility();
    bool confirmLeave();

    void buildSettingsList();
    void addSettingsItem(const QString &text, const QString &iconPath, QWidget *page);
    void adjustTabWidths();
    static QString tabStyle(int fontSize, int minimumWidth);
    void placeMessageBox();
    QString askSettingsFile();
    QStringList askSettingsFiles();
    void placeOnScreen(const QByteArray &savedGeometry);
    void restoreWindowSettings();
    void saveWindowSettings();
    QStringList commandHistory() const { return m_commandHistory; }

signals:
    void sizeChange();
    void shellCommand(QString command);
    void toggleConfig(bool on);
    void closeDialogs();

public slots:
    void onLoggerMessage(const QString &module, logLevel_t level, const QString &line);
    void onErrorReceived(const QString &text);
    void onLogFilterChange();
    void onSetLogString(const QString &text);
    void onLogFilterNewModule(const QString &module);
    void onShellCommand();
    void connected();
    void disconnected();
    void onSearchDevices();
    void onDeviceFound();
    void loadDevSettingsFromFile();
    void saveDevSettingsToFile();
    void readDebugLog();
    void viewingConfigFile();
    void onLockSettingsChanged();
    void hideHalvorPartition();
    void onDisconnect();
    void onShellMessage(const QString &text);
    void manageTabs();
    void loadingStarted();
    void loadingFinished();
    void loadingProgress(int value);
    void onInitWidget();
    void restartDevice();
    void onMessageReceived(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectLogPage();
    void connectReactions();
    void setActionIcons();
    void onTabBarClicked();
    bool mayLeaveShownTab();
    void onSettingsRowChanged(int row);
    void connectSettingsList();
    void offerToOpenFile();
    void showAbout();
    void closeFromUdp();
    bool confirmStopUpdate();
    void setDeviceActionsEnabled(bool enabled);
    void setFileActionsEnabled(bool enabled);
    void setTabsEnabled(int from, int to, bool enabled);
    void removeTabOfPage(QWidget *page);
    void removePartitionPages();
    void addAllDevicesPage(PartitionModel *model);
    void addPartitionPages(PartitionModel *model);
    PartitionWidget *addPartitionPage(Partition *partition, PartitionModel *model);
    void onPartitionButtonToggled(PartitionWidget *page, bool on);
    PartitionWidget *allDevicesPage() const;
    void setLogRowsCheckable(QAbstractItemModel *model);
    void appendModuleRow(const QString &module, int checkState);

    // Device link steps, each a no-op without a transport or protocol.
    void sendKeepAlive();
    void logoutDevice();
    void rebootDevice();
    void stopFirmwareUpdate();
    void deactivateTransport();
    bool transportHasDevices() const;
    bool transportIsActive() const;

    PartitionWidget *m_currentPartitionPage = nullptr;
    PartitionCommandLinkButton *m_currentPartitionButton = nullptr;
    QList<QWidget *> m_partitionPages;
    QList<QListWidgetItem *> m_partitionRows;
    Ui_MainWindow *ui;
    QStringList m_commandHistory;
    Overmind *m_overmind;
    QProgressBar m_progressBar;
    LoggerFilter m_logFilter;
    QStringList m_logModules;
    UdpListener m_udpListener;
    QMessageBox m_noDeviceBox;
    bool m_updateOnlyMode = false;
    int m_currentSettingsRow = 0;
    // Set while the close was asked for by the UDP command.
    bool m_closeRequestedRemotely = false;
};
