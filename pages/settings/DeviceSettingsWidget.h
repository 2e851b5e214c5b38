#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class DeviceSettings;

// The page of the device block. It shows its settings object again whenever the object changes.
class DeviceSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit DeviceSettingsWidget(QWidget *parent = nullptr);

    void setSettings(DeviceSettings *settings);
    DeviceSettings *settings() const;

private:
    QPointer<DeviceSettings> m_settings;
};
