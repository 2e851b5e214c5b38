#pragma once

#include "radio/OutputRecords.h"

#include <QWidget>

class MaskEditWidget;
class PartitionSelectionWidget;
class QListWidget;
class QListWidgetItem;

// Form of the standard mode: which events drive the output, each with its pattern, and the
// partitions whose events count.
class OutputSettingsWidgetEvents : public QWidget
{
    Q_OBJECT
public:
    static constexpr int EventCount = 6;

    explicit OutputSettingsWidgetEvents(QWidget *parent = nullptr);

    void setModeSettings(const s_OutputModeSett &settings);
    void setEventsOutMode(const s_EventsOutMode &events);
    s_OutputModeSett eventsOutMode();
    void setVolumeVisible(bool visible);
    QListWidget *eventList() const { return m_events; }
    MaskEditWidget *maskEditor() const { return m_mask; }
    PartitionSelectionWidget *partitions() const { return m_partitions; }

public slots:
    void updateWidget(QListWidgetItem *current, QListWidgetItem *previous);
    void updateWidget(QListWidgetItem *current);
    void enableToggled(QListWidgetItem *item);

private:
    void buildForm();
    quint32 &pattern(int row);
    void takeSelectedPartitions();
    void connectList();
    void disconnectList();

    s_OutputModeSett m_settings;
    PartitionSelectionWidget *m_partitions;
    QListWidget *m_events;
    MaskEditWidget *m_mask;
};
