#include "pages/radio/SensorRelaySettingsWidget.h"

#include "pages/radio/OutputSettingsWidget.h"
#include "pages/radio/PrivateBytes.h"

#include <QDebug>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstring>

namespace {
constexpr int BlockSize = int(sizeof(s_OutputModeSett));
static_assert(2 * sizeof(s_OutputModeSett) == sizeof(u_RFDevPrivateSettings),
              "two output blocks fill the private settings");

QWidget *tabPage(QTabWidget *tabs, const char *name, const char *layoutName,
                 OutputSettingsWidget *&editor)
{
    auto *page = new QWidget(tabs);
    page->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(page);
    layout->setObjectName(QLatin1String(layoutName));
    layout->setContentsMargins(0, 0, 0, 0);
    editor = new OutputSettingsWidget(page);
    editor->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(editor);
    return page;
}
} // namespace

SensorRelaySettingsWidget::SensorRelaySettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent), m_tabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("relaySettings"));
    setWindowTitle(tr("Form"));
    resize(600, 200);
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_tabs->addTab(tabPage(m_tabs, "tab", "verticalLayout_2", out1Widget), tr("Tab 1"));
    m_tabs->addTab(tabPage(m_tabs, "tab_2", "verticalLayout", out2Widget), tr("Tab 2"));
    out1Widget->setObjectName(QStringLiteral("out1Widget"));
    out2Widget->setObjectName(QStringLiteral("out2Widget"));
    m_tabs->setCurrentIndex(0);
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout_3"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    // A tactic preset copies both editors into the device object at once.
    connect(out1Widget, &OutputSettingsWidget::saveWidgetSettings, this,
            &SensorRelaySettingsWidget::saveSettings);
    connect(out2Widget, &OutputSettingsWidget::saveWidgetSettings, this,
            &SensorRelaySettingsWidget::saveSettings);
}

OutputSettingsWidget *SensorRelaySettingsWidget::editor(int output) const
{
    if (output == 0)
        return out1Widget;
    if (output == 1)
        return out2Widget;
    return nullptr;
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
    if (OutputSettingsWidget *out = editor(index)) {
        out->setVolumeVisible(visible);
        m_outputs[size_t(index)].volumeVisible = visible;
    }
}

void SensorRelaySettingsWidget::addModes(int index, const QStringList &modes)
{
    QStringList &added = m_outputs[size_t(index)].addedModes;
    for (const QString &mode : modes)
        if (!added.contains(mode))
            added.append(mode);
}

void SensorRelaySettingsWidget::addTempMode(int index)
{
    if (OutputSettingsWidget *out = editor(index)) {
        out->addTempMode();
        addModes(index, {tr("Temp control")});
    }
}

void SensorRelaySettingsWidget::addTempHumidityModes(int index)
{
    if (OutputSettingsWidget *out = editor(index)) {
        out->addTempHumidityModes();
        addModes(index, {tr("Temp control"), tr("Humidity control")});
    }
}

void SensorRelaySettingsWidget::addTempHumidityCOModes(int index)
{
    if (OutputSettingsWidget *out = editor(index)) {
        out->addTempHumidityCOModes();
        addModes(index, {tr("Temp control"), tr("Humidity control"), tr("CO control")});
    }
}

void SensorRelaySettingsWidget::setTactic(const s_EventsOutMode &tactic)
{
    m_lastTacticOutput = m_tabs->currentIndex() == 0 ? 0 : 1;
    editor(m_lastTacticOutput)->setTactic(tactic);
}

bool SensorRelaySettingsWidget::isVolumeVisible(int index) const
{
    return index == 0 || index == 1 ? m_outputs[size_t(index)].volumeVisible : false;
}

QStringList SensorRelaySettingsWidget::addedModes(int index) const
{
    return index == 0 || index == 1 ? m_outputs[size_t(index)].addedModes : QStringList();
}

void SensorRelaySettingsWidget::updateWidget()
{
    if (!device)
        return;
    const u_RFDevPrivateSettings area = device->privateSettings();
    s_OutputModeSett block;
    std::memcpy(&block, area.raw, BlockSize);
    out1Widget->setModeSettings(block);
    std::memcpy(&block, area.raw + BlockSize, BlockSize);
    out2Widget->setModeSettings(block);
    out1Widget->setOutputAddress(device->id(), 0);
    out2Widget->setOutputAddress(device->id(), 1);
}

void SensorRelaySettingsWidget::saveSettings()
{
    qDebug() << "saveSettings";
    if (!device)
        return;
    // Bytes the panel does not show (the power relay's thresholds among them) keep their
    // stored values.
    u_RFDevPrivateSettings area = device->privateSettings();
    const s_OutputModeSett first = out1Widget->modeSettings();
    std::memcpy(area.raw, &first, BlockSize);
    if (m_tabs->count() > 1) {
        const s_OutputModeSett second = out2Widget->modeSettings();
        std::memcpy(area.raw + BlockSize, &second, BlockSize);
    }
    device->setPrivateSettings(area);
    qDebug() << "end saveSettings";
}
