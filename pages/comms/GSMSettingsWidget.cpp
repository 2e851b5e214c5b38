#include "pages/comms/GSMSettingsWidget.h"

#include "pages/comms/GSMSettings.h"

#include <QPushButton>
#include <QVBoxLayout>

GSMSettingsWidget::GSMSettingsWidget(QWidget *parent)
    : BaseSettingsWidget(parent), m_save(new QPushButton(this))
{
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setText(tr("Save"));
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_save, 0, Qt::AlignRight);
    connect(m_save, &QPushButton::clicked, this, &GSMSettingsWidget::saveSettings);
}

void GSMSettingsWidget::setSettings(GSMSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &GSMSettings::settingsUpdated, this, &GSMSettingsWidget::updateWidget);
}

GSMSettings *GSMSettingsWidget::settings() const
{
    return m_settings;
}

bool GSMSettingsWidget::isLocked()
{
    return !m_save->isEnabled();
}
