#pragma once

#include <QPointer>
#include <QWidget>

class LocalOut;
class OutSettingsWidget;
class Partition;
class PartitionCommandLinkButton;
class QComboBox;
class QLabel;
class QPushButton;
class SensorItemModel;
class SensorListView;

// The page of one partition, or of all devices, on the devices tab.
class PartitionWidget : public QWidget
{
    Q_OBJECT
public:
    PartitionWidget(Partition *partition, PartitionCommandLinkButton *button,
                    QWidget *parent = nullptr);

    Partition *partition() const { return m_partition; }
    PartitionCommandLinkButton *button() const { return m_button; }
    // Set when the last leave check refused an illegal or duplicate partition name.
    bool isLeaveRefused() const { return m_leaveRefused; }
    bool confirmLeave();
    SensorItemModel *sensorModel() const { return m_sensorModel; }
    SensorListView *sensorView() const { return m_devices; }

public slots:
    void openCurrentSensorSettings();
    void openSensorSettings(const QModelIndex &index);
    void enableAllowAddButton(int radioState);
    void setAddButtonAllowed(bool allowed);

signals:
    void allowConfig(bool allowed);
    void enableAllSensorsAllowAddButton(bool enable);

protected:
    void setLeaveRefused(bool refused) { m_leaveRefused = refused; }

private:
    void buildDeviceList();
    void openLocalOutSettings(LocalOut *output);

    Partition *m_partition;
    QPointer<PartitionCommandLinkButton> m_button;
    QLabel *m_title;
    QPushButton *m_allowAdd;
    bool m_leaveRefused = false;
    SensorItemModel *m_sensorModel = nullptr;
    SensorListView *m_devices = nullptr;
    QComboBox *m_sortType = nullptr;
    // At most one local output window per page, reused while it is open.
    QPointer<OutSettingsWidget> m_outDialog;
};
