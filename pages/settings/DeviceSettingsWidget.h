#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class DeviceSettings;
class QCheckBox;
class QPushButton;

// The page of the device options: closed-case configuration and the repeated events.
class DeviceSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit DeviceSettingsWidget(QWidget *parent = nullptr);

    void setSettings(DeviceSettings *settings);
    DeviceSettings *settings() const;

    bool hasChanges() override;
    void updateWidget() override { settingsUpdated(); }

signals:
    void updateSettings();

public slots:
    void settingsUpdated();
    void saveSettings() override;
    void connected();
    void disconnected();
    void onResetSettings();

private:
    QCheckBox *box(const char *name) const;

    QPointer<DeviceSettings> m_settings;
    QPushButton *m_save;
    QPushButton *m_reset;
};
