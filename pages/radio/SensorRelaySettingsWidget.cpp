#include "pages/radio/SensorRelaySettingsWidget.h"

#include <QTabWidget>
#include <QVBoxLayout>

SensorRelaySettingsWidget::SensorRelaySettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("relaySettings"));
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    auto *first = new QWidget(m_tabs);
    first->setObjectName(QStringLiteral("tab"));
    auto *second = new QWidget(m_tabs);
    second->setObjectName(QStringLiteral("tab_2"));
    m_tabs->addTab(first, tr("Tab 1"));
    m_tabs->addTab(second, tr("Tab 2"));
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout_3"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

SensorRelaySettingsWidget::Output *SensorRelaySettingsWidget::output(int index)
{
    return index == 0 || index == 1 ? &m_outputs[size_t(index)] : nullptr;
}

void SensorRelaySettingsWidget::setOutputCaptions(const QString &first, const QString &second)
{
    m_tabs->setTabText(0, first);
    m_tabs->setTabText(1, second);
}

void SensorRelaySettingsWidget::removeSecondOutput(int count)
{
    if (count < 2 && m_tabs->count() > 1)
        m_tabs->removeTab(1);
}

void SensorRelaySettingsWidget::setVolumeVisible(int index, bool visible)
{
    if (Output *out = output(index))
        out->volumeVisible = visible;
}

void SensorRelaySettingsWidget::addModes(int index, const QStringList &modes)
{
    Output *out = output(index);
    if (!out)
        return;
    for (const QString &mode : modes)
        if (!out->addedModes.contains(mode))
            out->addedModes.append(mode);
}

void SensorRelaySettingsWidget::addTempMode(int index)
{
    addModes(index, {tr("Temp control")});
}

void SensorRelaySettingsWidget::addTempHumidityModes(int index)
{
    addModes(index, {tr("Temp control"), tr("Humidity control")});
}

void SensorRelaySettingsWidget::addTempHumidityCOModes(int index)
{
    addModes(index, {tr("Temp control"), tr("Humidity control"), tr("CO control")});
}

void SensorRelaySettingsWidget::setTactic(const s_EventsOutMode &)
{
    m_lastTacticOutput = m_tabs->currentIndex() == 0 ? 0 : 1;
}

bool SensorRelaySettingsWidget::isVolumeVisible(int index) const
{
    return index == 0 || index == 1 ? m_outputs[size_t(index)].volumeVisible : false;
}

QStringList SensorRelaySettingsWidget::addedModes(int index) const
{
    return index == 0 || index == 1 ? m_outputs[size_t(index)].addedModes : QStringList();
}
