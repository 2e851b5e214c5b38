#include "pages/settings/IButtonConfigWidget.h"

#include "pages/settings/IButtonConfig.h"

IButtonConfigWidget::IButtonConfigWidget(QWidget *parent) : BaseSettingsWidget(parent) {}

void IButtonConfigWidget::setSettings(IButtonConfig *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &IButtonConfig::settingsUpdated, this,
                &IButtonConfigWidget::updateWidget);
    updateWidget();
}

IButtonConfig *IButtonConfigWidget::settings() const
{
    return m_settings;
}
