#include "pages/settings/BeeperSettingsWidget.h"

#include "pages/settings/BeeperSettings.h"

BeeperSettingsWidget::BeeperSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void BeeperSettingsWidget::setSettings(BeeperSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &BeeperSettings::settingsUpdated, this,
                &BeeperSettingsWidget::updateWidget);
    updateWidget();
}

BeeperSettings *BeeperSettingsWidget::settings() const
{
    return m_settings;
}
