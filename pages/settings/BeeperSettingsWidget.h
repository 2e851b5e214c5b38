#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class BeeperSettings;
class QCheckBox;
class QPushButton;
class QSlider;
class SpinBoxWithValidator;

// The page of the sound indication: switch, volumes, alarm sound time and linked events.
class BeeperSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit BeeperSettingsWidget(QWidget *parent = nullptr);

    void setSettings(BeeperSettings *settings);
    BeeperSettings *settings() const;

    bool hasChanges() override;
    void updateWidget() override { settingsUpdated(); }

public slots:
    void settingsUpdated();
    void saveSettings() override;
    void enableChanged(bool on);
    void connected();
    void disconnected();
    void settingsReset();

private:
    struct EventBox
    {
        int bit;
        QCheckBox *box;
    };

    QPointer<BeeperSettings> m_settings;
    QWidget *m_body;
    QCheckBox *m_enable;
    SpinBoxWithValidator *m_beepTime;
    QSlider *m_eventVolume;
    QSlider *m_alarmVolume;
    QList<EventBox> m_events;
    QPushButton *m_save;
    QPushButton *m_reset;
};
