#pragma once

#include "link/Protocol.h"
#include "pages/radio/AddSensorsList.h"
#include "radio/Sensor.h"

#include <QFrame>
#include <QItemSelection>
#include <QList>
#include <QPointer>

class CustomLineEdit;
class CustomSpinBox;
class LocalOut;
class OutSettingsWidget;
class Partition;
class PartitionCommandLinkButton;
class PartitionModel;
class PartitionSelectionWidget;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class SensorItemModel;
class SensorListView;
class SensorPropertiesWidget;

// The page of one partition slot (or of all devices) on the devices tab: the partition's
// own settings, arming, its state, its radio devices and their enrolment.
class PartitionWidget : public QFrame
{
    Q_OBJECT
public:
    PartitionWidget(Partition *partition, PartitionCommandLinkButton *button,
                    QWidget *parent = nullptr);
    ~PartitionWidget() override;

    Partition *partition() const { return m_partition; }
    PartitionCommandLinkButton *button() const { return m_button; }
    // Set when the last leave check refused an illegal or duplicate partition name.
    bool isLeaveRefused() const { return m_leaveRefused; }
    bool confirmLeave();
    SensorItemModel *sensorModel() const { return m_sensorModel; }
    SensorListView *sensorView() const { return m_devices; }
    SensorPropertiesWidget *propertiesView() const { return m_properties; }
    AddSensorsList *enrolmentList() const { return m_addList; }
    QMenu *contextMenu() const { return m_menu; }
    QMenu *moveMenu() const { return m_moveMenu; }
    // The device count test of the enrolment button.
    bool deviceCountAllowsMore() const;
    // Switches energy saving off in a private-settings block of that type; false when the
    // type has no energy saving.
    static bool clearEnergySaving(int type, quint8 *privateSettings);
    // The validator's expression of partition and device names.
    static QString namePattern();

public slots:
    Q_INVOKABLE void openCurrentSensorSettings();
    void openSensorSettings(const QModelIndex &index);
    void enableAllowAddButton(int radioState);
    void onAllDevicesAllowConfig(bool allowed);
    void setAddButtonAllowed(bool allowed) { onAllDevicesAllowConfig(allowed); }
    void updateLockLabel();
    void onPartitionUpdated();
    void onPartitionStatusUpdated();
    void onSensorRemoved(Sensor::SPtr device);
    void onUpdateControlPartitions(uint id, quint32 mask);
    bool indexRepeatCheck();
    void onPbSaveClicked();
    void currentSensorChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void sensorDoubleClicked(const QModelIndex &index);
    void listViewContextMenuRequested(const QPoint &position);
    void deleteSelectedSensors();
    void onInitWidget();
    void changePartition();
    void onSetStatus(bool on);
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void onSensorCountUpdate();
    void onSortTypeChange(int sortType);
    void refreshMoveActions();
    void onAllowAddClicked(bool checked);
    void onResetClicked();
    void onLockClicked(bool checked);
    void onReady();

signals:
    void visibilityChanded(bool visible);
    void allowConfig(bool allowed);
    void enableAllSensorsAllowAddButton(bool armed);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void setLeaveRefused(bool refused) { m_leaveRefused = refused; }

private:
    void buildForm();
    void connectAll();
    void updateButtonText();
    void markName(const QString &text);
    void markNumber(int value);
    void saveToPartition();
    // Save's whole path: the energy-saving step, the duplicate check, the write.
    bool saveForm();
    int nameIndex(const QString &text) const;
    bool isRegular() const;
    bool isViewing() const;
    bool isEditable() const;
    int ownIndex() const;
    bool configAllowed() const;
    PartitionModel *model() const;
    QList<Sensor::SPtr> selectedSensors() const;
    void openLocalOutSettings(LocalOut *output);
    void showDialog(QWidget *dialog);

    bool m_leaveRefused = false;
    int m_savedSensorRow = -1;
    QPointer<Protocol> m_protocol;
    QList<QAction *> m_moveActions;
    Partition *m_partition;
    QPointer<PartitionCommandLinkButton> m_button;
    SensorItemModel *m_sensorModel = nullptr;
    QPointer<AddSensorsList> m_addList;
    QMenu *m_menu = nullptr;
    QMenu *m_moveMenu = nullptr;
    int m_partitionCount = 0;
    QString m_lastName;
    uchar m_selectedSensorPartition = 0;
    bool m_controlEditable = true;
    int m_controllingPartition = -1;
    QPointer<QWidget> m_lastDialog;
    // At most one local output window per page, reused while it is open.
    QPointer<OutSettingsWidget> m_outDialog;
    LocalOut *m_outShown = nullptr;
    bool m_allowed = false;

    QPushButton *m_lock = nullptr;
    QLabel *m_status = nullptr;
    CustomSpinBox *m_number = nullptr;
    CustomLineEdit *m_name = nullptr;
    QPushButton *m_allowAdd = nullptr;
    QPushButton *m_deleteSelected = nullptr;
    PartitionSelectionWidget *m_partitions = nullptr;
    QCheckBox *m_autoTakeFromNotTake = nullptr;
    QCheckBox *m_autoTakeFromAlarm = nullptr;
    QCheckBox *m_takeDelay = nullptr;
    QLabel *m_sortLabel = nullptr;
    QComboBox *m_sortType = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_reset = nullptr;
    QSplitter *m_splitter = nullptr;
    SensorListView *m_devices = nullptr;
    SensorPropertiesWidget *m_properties = nullptr;
    QLabel *m_takenInfo = nullptr;
};
