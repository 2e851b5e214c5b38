#include "pages/settings/DeviceSettingsWidget.h"

#include "pages/settings/DeviceSettings.h"

DeviceSettingsWidget::DeviceSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void DeviceSettingsWidget::setSettings(DeviceSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &DeviceSettings::settingsUpdated, this,
                &DeviceSettingsWidget::updateWidget);
    updateWidget();
}

DeviceSettings *DeviceSettingsWidget::settings() const
{
    return m_settings;
}
