#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class LedsSettings;
class QComboBox;
class QGroupBox;
class QPushButton;

// The page of the light indication: front-panel indicators and detector LED modes.
class LedsSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit LedsSettingsWidget(QWidget *parent = nullptr);

    void setSettings(LedsSettings *settings);
    LedsSettings *settings() const;

    bool hasChanges() override;
    void updateWidget() override { settingsUpdated(); }

public slots:
    void settingsUpdated();
    void onEnableChanged(bool on);
    void saveSettings() override;
    void connected();
    void disconnected();
    void settingsReset();

private:
    void fillLedFunctions();

    QPointer<LedsSettings> m_settings;
    QGroupBox *m_front;
    QComboBox *m_leds[4];
    QComboBox *m_alarmMode;
    QComboBox *m_fireMode;
    QComboBox *m_technologyMode;
    QPushButton *m_save;
    QPushButton *m_reset;
};
