#pragma once

#include "link/Records.h"
#include "radio/Sensor.h"
#include "update/DMIA.h"
#include "update/Sender.h"

#include <QBrush>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPair>
#include <QSet>
#include <QTimer>
#include <QVersionNumber>
#include <QWidget>
#include <memory>

class NetworkManager;
class QStandardItem;
class QStandardItemModel;
class Ui_OnlineUpdateWidget;
class UpdateManager;

// The firmware update page: loaded firmware containers, the communicator's firmware parts and
// the enrolled radio devices, what fits what, and the update of the ticked ones.
class OnlineUpdateWidget : public QWidget, public Sender
{
    Q_OBJECT
public:
    // Row colours of the update tables.
    static const QColor InProgressColor;
    static const QColor SucceededColor;
    static const QColor FailedColor;

    // Columns of the parts table and of the device table.
    enum Column
    {
        CheckColumn = 0,
        TypeColumn = 1,
        VersionColumn = 2,
        BuildColumn = 3,
        LoadedColumn = 4,
        DeviceColumn = 0,
        HwColumn = 1,
        FwColumn = 2,
        StateColumn = 3,
    };

    explicit OnlineUpdateWidget(QWidget *parent = nullptr);
    ~OnlineUpdateWidget() override;

    void send(const QString &text) override;
    void setBlocked(bool blocked);
    void clear();
    void onLoginSuccessful();
    void openFirmwareFile();
    void publishFirmwares(const QList<pDMIA> &containers);
    void resetFirmwareTables();
    void resetUpdateControls();
    void onNewSensorConnected(Sensor::SPtr sensor);
    int findDeviceRow(const Sensor::SPtr &sensor) const;
    int rowForDevice(int number) const;
    QString firmwareDescription(const pDMIA &container) const;

    // Publication and selection.
    bool acceptMainFirmware(const pDMIA &container);
    void publishMainFirmware(const pDMIA &container);
    void publishDeviceFirmware(const pDMIA &container);
    bool matchDeviceFirmware(int row, const pDMIA &container);
    static bool deviceTakesFirmware(int deviceType, const QVersionNumber &deviceHardware,
                                    int firmwareType, const QVersionNumber &firmwareHardware,
                                    const QVersionNumber &firmwareVersion);
    QStandardItem *addFirmwareLine(const QString &text);
    void onOnlyCompatible(bool checked);

    // Main-device upload.
    void onUpdateClicked();
    void onStopClicked();
    bool startNextMainPart();
    void eraseFlash(quint8 deviceType);
    void startUpdate();
    static quint16 fwIdForDeviceType(quint8 deviceType);
    QByteArray buildWebImage() const;
    // The bytes the upload of the current container sends.
    QByteArray uploadData() const;

    // Radio-device update.
    void createUpdateManager();
    QList<Sensor::SPtr> collectSelectedDevices();

    // Version readout.
    void updatePartRow(quint16 id, const s_fw_info &info, const QString &name);
    void markPartResult(const s_fw_info &info, const QString &name);
    static QString fwVersionText(const s_fw_info &info);
    QString buildDateText(const s_fw_info &info) const;
    void showDeviceInfo();

    // Online service.
    void checkOnline();
    QJsonDocument buildFirmwareRequest() const;
    void onReplyReceived(bool silent);
    void onFirmwareListReceived(const QJsonArray &array);
    void onNetworkError(const QString &text);
    void onParsingError(int code);
    void onDmiaReceived(const QString &name, const QByteArray &data);
    void onDownloadsComplete();
    void countFinishedDownload();
    void openOnlineSetup();
    // The program's own download folder (in its cache location).
    static QString downloadFolder();

    UpdateManager *updateManager() const { return m_updateManager.get(); }
    pDMIA currentFirmware() const { return m_currentFirmware; }
    bool stopRequested() const { return m_stopRequested; }
    bool coreWithBootloader() const { return m_coreWithBootloader; }
    const s_fw_info &loadedFirmwareInfo() const { return m_loadedFirmwareInfo; }
    NetworkManager *networkManager() const { return m_networkManager; }
    QStandardItemModel *partsModel() const { return m_partsModel; }
    QStandardItemModel *deviceModel() const { return m_deviceModel; }
    QStandardItemModel *firmwareListModel() const { return m_firmwareListModel; }

public slots:
    void onPartTransmitted(int done, int total);
    void setInProgress(const QString &name, bool inProgress = true);
    void setStopped(const QString &name);
    void onFwVersionUpdated(quint16 id, const s_fw_info &info);
    void setRowColor(int row, const QBrush &brush);
    void setRowEnabled(int row, bool enabled);
    void onUpdateStarted(uint device);
    void onUpdateStatus(uint device, uint status);
    void onUpdateStatus(const s_FW_UPDATE_STATUS &status);
    void onUpdateFinished();
    bool searchNext();
    void onSensorErrorCode(int device, quint16 code);
    void Notify(const QString &text);
    void itemChanged(QStandardItem *item, QStandardItemModel *model);
    void updateUpdateButtonState();
    void onItemChanged(QStandardItem *item);
    void onMasterItemChanged(QStandardItem *item);
    void onSelectAll();
    void onDeselectAll();
    void onOnlyDeprecated();
    void onLockSettingsChanged();

private:
    void buildTables();
    void connectButtons();
    void connectController();
    void addDeviceRow(const Sensor::SPtr &sensor);
    void refreshDeviceRow(const Sensor::SPtr &sensor);
    void refreshDeviceState(const Sensor::SPtr &sensor, bool keepInProgress);
    void removeDeviceRow(quint16 number);
    QString deviceStateText(const Sensor::SPtr &sensor) const;
    void connectRowRefresh(const Sensor::SPtr &sensor);
    void disconnectRowRefresh(const Sensor::SPtr &sensor);
    int addPartRow(const QString &name, const s_fw_info &info);
    int partRow(const QString &name) const;
    bool isBasePart(int row) const;
    QString partName(int row) const;
    void toggleCheck(QStandardItem *item);
    void onFlashErased(quint16 code);
    void onEraseTick();
    void finishTransfer();
    qint64 uploadReportCount(const QByteArray &data) const;
    bool currentImageFitsLink();
    void uploadBootloaderAfterCore();
    void startWebImageWrite();
    void finishWebUpdate();
    void onMainFailed();
    void endUpdate();
    void handleLoadedFirmware(const s_fw_info &info);
    void requestVersion(quint16 id);
    void setStatus(const QString &text);
    void setJournalBlocked(bool blocked);
    Sensor::SPtr sensorOfRow(int row) const;
    void stopPendingSteps();
    void failDeviceWithoutFirmware(const Sensor::SPtr &device);

    Ui_OnlineUpdateWidget *ui;
    std::shared_ptr<UpdateManager> m_updateManager;
    s_fw_info m_loadedFirmwareInfo{};
    QTimer m_eraseTimer;
    int m_eraseTicks = 0;
    pDMIA m_currentFirmware;
    QList<pDMIA> m_downloadedFirmwares;
    SenderHolder m_senderHolder;
    QStringList m_publishedTexts;
    QStandardItemModel *m_deviceModel;
    QStandardItemModel *m_firmwareListModel;
    QStandardItemModel *m_partsModel;
    NetworkManager *m_networkManager;
    bool m_stopRequested = false;
    int m_expectedDownloads = 0;
    int m_finishedDownloads = 0;
    QStringList m_downloadFailures;
    bool m_coreWithBootloader = false;
    // Report count of the running upload message; -1 while none runs.
    int m_expectedReports = -1;
    // Containers loaded into the communicator for a device during this run.
    QSet<QPair<int, const DMIA *>> m_loadedForDevice;
    int m_readoutRetries = 5;
    // Single-shot steps of the running update; a stop or a disconnection drops them.
    QObject *m_pendingSteps = nullptr;
};
