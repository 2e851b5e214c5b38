#include "pages/comms/WirelessSettingsWidget.h"

#include "pages/comms/WirelessSettings.h"

WirelessSettingsWidget::WirelessSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void WirelessSettingsWidget::setSettings(WirelessSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &WirelessSettings::settingsUpdated, this,
                &WirelessSettingsWidget::updateWidget);
    updateWidget();
}

WirelessSettings *WirelessSettingsWidget::settings() const
{
    return m_settings;
}
