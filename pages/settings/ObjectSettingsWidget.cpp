#include "pages/settings/ObjectSettingsWidget.h"

#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/settings/ObjectSettings.h"

#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

ObjectSettingsWidget::ObjectSettingsWidget(QWidget *parent)
    : BaseSettingsWidget(parent), m_takeDelay(new QSpinBox(this)), m_reset(new QPushButton(this))
{
    m_takeDelay->setObjectName(QStringLiteral("sbTakeDelay"));
    m_takeDelay->setRange(5, 0xFFFF);
    m_takeDelay->setSuffix(tr(" sec"));
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setText(tr("Reset to default"));
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Take delay"), m_takeDelay);
    layout->addRow(m_reset);
}

void ObjectSettingsWidget::setSettingsObject(ObjectSettings *settings)
{
    m_settings = settings;
}

ObjectSettings *ObjectSettingsWidget::settingsObject() const
{
    return m_settings;
}

void ObjectSettingsWidget::setWirelessSettings(WirelessSettings *settings)
{
    m_wirelessSettings = settings;
}

void ObjectSettingsWidget::objectSettingsUpdated()
{
    updateWidget();
}

void ObjectSettingsWidget::onMinimumTakeDelay(int seconds)
{
    const int minimum = seconds == -1 ? 5 : seconds;
    m_takeDelay->setMinimum(minimum);
    const QString text = tr("Minimum take delay updated: %1 sec").arg(minimum);
    logDebug(this, text);
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->mainWindow())
        overmind->mainWindow()->onMessageReceived(text);
}

void ObjectSettingsWidget::onTakeDelay(int seconds)
{
    m_takeDelay->setValue(seconds);
    logDebug(this, QStringLiteral("Take delay updated = %1 sec").arg(seconds));
}
