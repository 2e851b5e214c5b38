#pragma once

#include "app/ConfigFile.h"
#include "app/DeviceInfo.h"
#include "radio/Sensor.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class BeeperSettings;
class DateTimeSettings;
class DebugSettings;
class DeviceSettings;
class DirectionSettings;
class EthernetSettings;
class GSMSettings;
class HIDInterface;
struct connect_info;
class Loader;
class LoginWidget;
class SelectKorvel;
class WaitForm;
struct s_DeviceStatus;
struct s_SettingsVersions;
struct s_fw_info;
union u_DateSTM32F4xx;
union u_TimeSTM32F4xx;
class IButtonConfig;
class IButtonModel;
class Journal;
class LedsSettings;
class MainWindow;
class ObjectSettings;
class OutputGroupsSettings;
class PartitionModel;
class PowerStatusIsp0;
class PowerStatusIsp1;
class PowerStatusIsp2;
class Protocol;
class Storable;
class UserModel;
class WirelessSettings;
class QComboBox;
class QLineEdit;
class QWidget;

// State of the radio channel: unknown until the radio page has shown the device's settings.
enum RadioState : qint32
{
    RadioUnknown = -1,
    RadioReady = 1
};
Q_DECLARE_METATYPE(RadioState)

// The one controller of the application, reached through Overmind::instance(). It owns
// the device link, every settings object and model, the device description, the
// configuration document and the login state.
class Overmind : public QObject
{
    Q_OBJECT
public:
    explicit Overmind(QObject *parent = nullptr);
    ~Overmind() override;

    static Overmind *instance();

    // ---- The controller's state and its main window (Overmind.cpp) ----

    // Accessors used throughout the program.
    Protocol *protocol() const { return m_protocol; }
    HIDInterface *hidInterface() const { return m_hid; }
    PartitionModel *partitionModel() const { return m_partitionModel; }
    UserModel *userModel() const { return m_userModel; }
    IButtonModel *iButtonModel() const { return m_iButtonModel; }
    Journal *journal() const { return m_journal; }
    DeviceSettings *deviceSettings() const { return m_deviceSettings; }
    EthernetSettings *ethernetSettings() const { return m_ethernetSettings; }
    DirectionSettings *directionSettings() const { return m_directionSettings; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    DeviceInfo &deviceInfo() { return m_deviceInfo; }
    ConfigFile &configDocument() { return m_configFile; }
    bool isViewingMode() const { return m_viewingMode; }
    bool canEdit() const;
    int currentUserId() const { return m_currentUser; }
    bool isLoggedIn() const { return m_loggedIn; }
    bool isSettingsLoaded() const { return m_settingsLoaded; }
    bool isSettingsUnlocked() const { return !m_settingsLocked; }
    bool isDebugMode() const { return m_debugMode; }
    bool isEnergySaveQuestionOpen() const { return m_energySaveQuestionOpen; }
    bool isUpdating() const { return m_firmwareUpdateRunning; }
    quint16 takeDelay() const { return m_takeDelay; }
    quint16 minimumTakeDelay() const { return m_minimumTakeDelay; }
    QString defaultMacText() const { return m_defaultMacText; }
    int defaultMacAddress() const { return m_defaultMacAddress; }
    RadioState radioState() const { return m_radioState; }
    bool hasDevices() const;
    double temperature() const;

    void setTakeDelay(quint16 delay);
    void storeMinimumTakeDelay(quint16 delay) { m_minimumTakeDelay = delay; }
    void setRadioState(RadioState state);
    void setDefaultMacAddress(int address);
    void setDefaultMacText(const QString &text) { m_defaultMacText = text; }
    void setSettingsLocked(bool locked);
    void setUpdating(bool updating) { m_firmwareUpdateRunning = updating; }
    void setSettingsLoaded(bool loaded) { m_settingsLoaded = loaded; }
    void setEnergySaveQuestionOpen(bool open) { m_energySaveQuestionOpen = open; }
    void setDebugMode(bool on) { m_debugMode = on; }
    void registerDialog(QWidget *dialog);
    void showRepeaterSelectDialog(quint8 sensorId);
    void addImportedUserName(const QString &name, int list);

    void setMainWindow(MainWindow *window);
    void init();

signals:
    void connected();
    void disconnected();
    void ready();
    void deviceFound();
    void loginSuccessful();
    void setKorvelType();
    void endInitSettings();
    void takeDelayUpdated(quint16 delay);
    void radioStateChanged(RadioState state);
    void multipleDevicesFound();
    void sensorGotInTouch(Sensor::SPtr sensor);
    void sensorLost(Sensor::SPtr sensor);
    void newSensorConnected(Sensor::SPtr sensor);
    void updateDefaultMacAddress(int address);
    void reloadConfigFile();
    void breakLoader();
    void readyGroupOutputsNames();
    void lockSettingsChanged();

public slots:
    void onInitOvermid();
    void onToggleConfig(bool on);
    // Settings lock and minimum take delay.
    void setMinimumTakeDelay();
    void resetMinimumTakeDelay();
    bool hasEnergySavingSensors() const;
    void storeMacAddress(const QString &text);
    bool lockCheck();

    // ---- Registry and settings objects (OvermindObjects.cpp) ----
public:
    const QMap<QString, Storable *> &registry() const { return m_registry; }
    void createSettingsObjects(bool withPartitionModel);
    void createDirectionSettings();
    void deleteModels();
    QJsonObject settingsJson() const;

private:
    template <typename T> T *replace(T *&slot, T *created);
    void registerObject(Storable *object);

    // ---- Configuration files and viewing mode (OvermindConfigFiles.cpp) ----
public:
    bool loadConfigFile(const QString &path);
    bool reportConfigLoadError(int code);
    void setViewingMode(bool on);
    void openLoadedConfig();
    // Starts a further copy of the program; replaceable so tests start nothing.
    using ProcessStarter =
        std::function<bool(const QString &program, const QStringList &arguments)>;
    void setProcessStarter(ProcessStarter starter) { m_processStarter = std::move(starter); }

public slots:
    void initViewingMode(const QString &path);
    void viewConfigFile(const QStringList &paths);
    bool isOldConfigVersion(ConfigFile document);
    void ctreateNewProcess(const QString &path);
    bool onSaveSettings(const QString &path);

private:
    bool loadViewableFile(const QString &path, ConfigFile &document);
    void applyViewedFile(const ConfigFile &document, const QString &path);
    void detachModelsFromPages();

    // ---- The write-in and its stages (OvermindWriteIn.cpp) ----
public:
    bool writeConfigToDevice(const ConfigFile &document);
    bool writeConfigSecondPass(const ConfigFile &document);
    bool writeConfigUsers(const ConfigFile &document);
    void finishConfigWrite();
    void waitFor(const std::function<void()> &action);
    bool isConfigWriteRunning() const { return m_configWriteRunning; }
    // A write-in gathers what went wrong and shows it once at its end.
    void reportWriteInProblem(const QString &text);
    WaitForm *waitForm() const { return m_waitForm; }

public slots:
    void onLoadSettings(const QString &path);

private:
    void onWriteRefused(const QString &subject, const QString &deviceText);
    bool showWriteInSummary();
    bool readSection(Storable *object, const ConfigFile &document, int format);
    bool usersHoldCurrentUser(const QJsonValue &users, int format) const;
    void reportMissingCurrentUser() const;
    void writeRadioSections(const ConfigFile &document);
    void runUsersStage();
    void runSecondPassStage();
    void onDisconnectDuringConfigWrite();
    void endConfigWrite();
    bool waitUntil(const std::function<bool()> &done, int limitMs, const QString &what);

    // ---- Connection and login (OvermindLogin.cpp) ----
public:
    bool connectDevice();
    void showLoginWidget();
    void releaseDevice(bool suppress);
    void connectLoader(Loader *loader);
    void checkSettingsVersions(const s_SettingsVersions &versions);
    void checkDeviceTime(const u_DateSTM32F4xx &date, const u_TimeSTM32F4xx &time);
    LoginWidget *loginWidget() const { return m_loginWidget; }
    QTimer &keepAliveTimer() { return m_keepAliveTimer; }

public slots:
    void onConnect();
    void onDisconnectfromMainwindow();
    void onDisconnect();
    bool onAuthorize();
    bool skipRelogin(int user);
    void relogin(int user);
    void onFindAnyDevices();
    void onSuccesfullLogin(quint8 user = 0);
    void onLoginResult(quint8 status, quint8 user, int accessLevel);
    void onFirmwareVersion(quint16 id, const s_fw_info &info);
    void onParseFirmwareVersion(const s_fw_info &info);

private:
    void onLoginRequired(int user);
    void onDeviceError(const QString &text);
    void onDeviceStatus(const s_DeviceStatus &status);
    void sendKeepAlive();
    void applyFirmwareInfo(const s_fw_info &info);
    void showLoginAgain();
    bool chooseDevice(const QList<connect_info> &devices);
    QString currentUserLogin() const;
    bool userMatches(int user) const;

    // ---- Helpers for the pages' combos and text limits (OvermindPageHelpers.cpp) ----
public:
    static int utf8BytesLeft(const QString &text);
    static bool limitUtf8Length(const QString &text, QLineEdit *lineEdit);
    static quint16 checkedMask(QComboBox *comboBox);
    void fillPartitionsCombo(QComboBox *comboBox, quint32 mask);
    void updatePartitionsComboText(QComboBox *comboBox);
    void initPartitionsCheckCombo(QComboBox *comboBox);
    QStringList userPhones() const;
    void setOutputGroupCount(int count);
    void setOutputGroupName(int index, const QString &name);
    QString outputGroupName(int index) const;
    void fillOutputGroupCombo(QComboBox *comboBox) const;
    QString directionName(int index) const;
    bool isFirmwareOlderThan12() const;
    bool isFirmwareOlderThan14() const;
    bool hasFreeIpChannel() const;
    void changeIpChannelCount(int direction, int delta);
    // IP channels (DC-09, SurGard) per direction index; at most four over all directions.
    QMap<int, int> &ipChannelCounts() { return m_ipChannelCounts; }
    void hideFactoryResetWidget();
    void showFactoryResetWidget();

    // ---- Device dialogs of the parameter tree's actions (OvermindDeviceDialogs.cpp) ----
public:
    // The counter dialogs return their 16-byte result block; the valve windows keep their
    // device alive while they are open.
    QByteArray showPulseCountersDialog(int type, quint32 count1, quint32 count2, quint32 count3,
                                       quint32 weight1, quint32 weight2, quint32 price,
                                       quint8 configuration);
    QByteArray showValveCountersDialog(quint8 sensorId, s_ExtMemDataSensor record,
                                       const QByteArray &block, double weight,
                                       const QString &serial1, const QString &serial2);
    void showValveServiceTimeDialog(Sensor::SPtr device, quint32 serviceTime);
    void showValveSubscriptionDialog(Sensor::SPtr device, const QByteArray &mask);
    void readDeviceTime();

private:
    QMap<int, int> m_ipChannelCounts;
    HIDInterface *m_hid = nullptr;
    Protocol *m_protocol = nullptr;
    EthernetSettings *m_ethernetSettings = nullptr;
    ObjectSettings *m_objectSettings = nullptr;
    DeviceSettings *m_deviceSettings = nullptr;
    BeeperSettings *m_beeperSettings = nullptr;
    LedsSettings *m_ledsSettings = nullptr;
    IButtonConfig *m_iButtonConfig = nullptr;
    DateTimeSettings *m_dateTimeSettings = nullptr;
    WirelessSettings *m_wirelessSettings = nullptr;
    DirectionSettings *m_directionSettings = nullptr;
    GSMSettings *m_gsmSettings = nullptr;
    DebugSettings *m_debugSettings = nullptr;
    OutputGroupsSettings *m_outputGroupsSettings = nullptr;
    PowerStatusIsp0 *m_powerStatusIsp0 = nullptr;
    PowerStatusIsp1 *m_powerStatusIsp1 = nullptr;
    PowerStatusIsp2 *m_powerStatusIsp2 = nullptr;
    IButtonModel *m_iButtonModel = nullptr;
    Journal *m_journal = nullptr;
    UserModel *m_userModel = nullptr;
    PartitionModel *m_partitionModel = nullptr;
    MainWindow *m_mainWindow = nullptr;
    LoginWidget *m_loginWidget = nullptr;
    WaitForm *m_waitForm = nullptr;
    QWidget *m_factoryResetWidget = nullptr;
    QPointer<QWidget> m_repeaterDialog;
    QPointer<QWidget> m_valveSubscriptionDialog;
    QPointer<QWidget> m_valveServiceTimeDialog;
    ConfigFile m_configFile;
    QTimer m_keepAliveTimer;
    QString m_configPath;
    QMap<QString, Storable *> m_registry;
    DeviceInfo m_deviceInfo;
    bool m_loggedIn = false;
    bool m_chooserOpen = false;
    bool m_configWriteRunning = false;
    bool m_firmwareUpdateRunning = false;
    bool m_reloginSuppressed = false;
    bool m_viewingMode = false;
    bool m_energySaveQuestionOpen = false;
    bool m_settingsLoaded = false;
    quint16 m_minimumTakeDelay = 0;
    quint16 m_takeDelay = 0;
    RadioState m_radioState = RadioUnknown;
    int m_currentUser = -1;
    int m_defaultMacAddress = 0;
    QString m_defaultMacText;
    QStringList m_outputGroupNames;
    bool m_settingsLocked = false;
    bool m_debugMode = false;
    QStringList m_importedUserNames[2];
    int m_firmwareRetries = 0;
    SelectKorvel *m_deviceChooser = nullptr;
    // The write-in in progress: its document, its timed stages and whether it went wrong.
    ConfigFile m_writeInDocument;
    QTimer m_usersStageTimer;
    QTimer m_secondPassTimer;
    bool m_writeInFailed = false;
    bool m_writeInReloginSent = false;
    QStringList m_writeInProblems;
    ProcessStarter m_processStarter;
};
