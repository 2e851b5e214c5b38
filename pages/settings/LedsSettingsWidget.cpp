#include "pages/settings/LedsSettingsWidget.h"

#include "pages/settings/LedsSettings.h"

LedsSettingsWidget::LedsSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void LedsSettingsWidget::setSettings(LedsSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &LedsSettings::settingsUpdated, this, &LedsSettingsWidget::updateWidget);
    updateWidget();
}

LedsSettings *LedsSettingsWidget::settings() const
{
    return m_settings;
}
