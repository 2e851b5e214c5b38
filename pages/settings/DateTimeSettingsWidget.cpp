#include "pages/settings/DateTimeSettingsWidget.h"

#include "pages/settings/DateTimeSettings.h"
#include "pages/settings/DeviceSettings.h"

DateTimeSettingsWidget::DateTimeSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void DateTimeSettingsWidget::setDateTimeSettings(DateTimeSettings *settings)
{
    if (m_dateTime)
        disconnect(m_dateTime, nullptr, this, nullptr);
    m_dateTime = settings;
    if (settings)
        connect(settings, &DateTimeSettings::settingsUpdated, this,
                &DateTimeSettingsWidget::updateWidget);
}

void DateTimeSettingsWidget::setDeviceSettings(DeviceSettings *settings)
{
    if (m_device)
        disconnect(m_device, nullptr, this, nullptr);
    m_device = settings;
    if (settings)
        connect(settings, &DeviceSettings::settingsUpdated, this,
                &DateTimeSettingsWidget::updateWidget);
}

DateTimeSettings *DateTimeSettingsWidget::dateTimeSettings() const
{
    return m_dateTime;
}

DeviceSettings *DateTimeSettingsWidget::deviceSettings() const
{
    return m_device;
}
