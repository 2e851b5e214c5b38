#include "pages/settings/OutputGroupsSettingsWidget.h"

#include "pages/settings/OutputGroupsSettings.h"

OutputGroupsSettingsWidget::OutputGroupsSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
}

void OutputGroupsSettingsWidget::setSettings(OutputGroupsSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &OutputGroupsSettings::settingsUpdated, this,
                &OutputGroupsSettingsWidget::updateWidget);
    updateWidget();
}

OutputGroupsSettings *OutputGroupsSettingsWidget::settings() const
{
    return m_settings;
}
