#include "pages/settings/DebugSettingsWidget.h"

#include "pages/settings/DebugSettings.h"

DebugSettingsWidget::DebugSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void DebugSettingsWidget::setSettings(DebugSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &DebugSettings::settingsUpdated, this,
                &DebugSettingsWidget::updateWidget);
    updateWidget();
}

DebugSettings *DebugSettingsWidget::settings() const
{
    return m_settings;
}
