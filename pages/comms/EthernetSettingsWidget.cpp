#include "pages/comms/EthernetSettingsWidget.h"

#include "pages/comms/EthernetSettings.h"

EthernetSettingsWidget::EthernetSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void EthernetSettingsWidget::setSettings(EthernetSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &EthernetSettings::settingsUpdated, this,
                &EthernetSettingsWidget::updateWidget);
    updateWidget();
}

EthernetSettings *EthernetSettingsWidget::settings() const
{
    return m_settings;
}
