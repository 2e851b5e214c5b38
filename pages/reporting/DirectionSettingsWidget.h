#pragma once

#include "pages/reporting/DirectionRecords.h"

#include <QPointer>
#include <QWidget>

class ChannelSettingsWidget;
class ContentAwareLineEdit;
class DirectionSettings;
class PartitionModel;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QGroupBox;
struct s_ExtMemDataPartition;

// The form of the current direction: name, three channels, partitions and the events it
// reports. Every change goes straight into the current record.
class DirectionSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DirectionSettingsWidget(QWidget *parent = nullptr);
    ~DirectionSettingsWidget() override;

    void setSettings(DirectionSettings *settings);
    bool isSaveable() const;
    void setMessage(const QString &text);
    void setSurGardHidden(bool hidden);
    ChannelSettingsWidget *channelForm(int i) const;

    // The narrowest available screen width; tests set their own (0 gives the screens').
    static int availableScreenWidth();
    static void setAvailableScreenWidth(int width);
    static constexpr int NarrowScreenWidth = 1300;

public slots:
    void onReadyLoading();
    void filterChanged(QTreeWidgetItem *item, int column);
    void partitionsChanged(QListWidgetItem *item);
    void onBlockDC09ItemsInBothReserves();
    void onBlockDC09ItemsInOtherReserves();
    void gsmChannelTypeChanged(channelGSMType_t type);
    void gsmReserve1ChannelTypeChanged(channelGSMType_t type);
    void onInitWidget();
    void saveSettings();
    void createEventFilter();
    void onPartitionData(quint16 index, const s_ExtMemDataPartition &record);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildWidgets();
    void updateEventItems(channelGSMType_t type);
    void loadGroup(int group, quint64 mask);
    QTreeWidgetItem *findItem(int group, int code) const;
    bool isSupported(int group, int code) const;
    void setFilterEnabled(bool enabled);
    bool checkName(const QString &text);
    void onSettingsToggled(bool on);
    void onEventsToggled(bool on);
    void onReset();
    QString partitionRowText(int row) const;
    int partitionCount() const;

    QPointer<DirectionSettings> m_settings;
    QPointer<PartitionModel> m_partitionModel;
    bool m_narrowScreen = false;
    bool m_initConnected = false;
    bool m_binding = false;

    ContentAwareLineEdit *m_leDirName = nullptr;
    QPushButton *m_pbSettings = nullptr;
    QPushButton *m_pbEvents = nullptr;
    QTabWidget *m_twSettings = nullptr;
    ChannelSettingsWidget *m_channelForms[3] = {};
    QGroupBox *m_gbPartitions = nullptr;
    QGroupBox *m_gbEventList = nullptr;
    QListWidget *m_lwPartitions = nullptr;
    QTreeWidget *m_twEvents = nullptr;
    QPushButton *m_pbSave = nullptr;
    QPushButton *m_pbReset = nullptr;
    QLabel *m_lblMessage = nullptr;
};
