#include "pages/radio/SensorDipSettingsWidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVersionNumber>
#include <cstring>

namespace {
bool knowsCaseOpen(const Sensor &device)
{
    return device.firmwareVersion() >= QVersionNumber(1, 29);
}
} // namespace

SensorDipSettingsWidget::SensorDipSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    // The settings dialog finds its panels by these names.
    setObjectName(QStringLiteral("DipSettings"));
    resize(400, 300);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    m_caseOpen = new QCheckBox(tr("Case open check"), this);
    m_caseOpen->setObjectName(QStringLiteral("cbCaseOpenCheck"));
    grid->addWidget(m_caseOpen, 0, 0);
    grid->setRowStretch(1, 1);
}

void SensorDipSettingsWidget::updateWidget()
{
    if (!device)
        return;
    if (knowsCaseOpen(*device)) {
        const u_RFDevPrivateSettings settings = device->privateSettings();
        m_caseOpen->setChecked(reinterpret_cast<const quint8 *>(&settings)[0] & 1);
        m_caseOpen->setVisible(true);
    } else {
        m_caseOpen->setChecked(false);
        m_caseOpen->setVisible(false);
    }
}

void SensorDipSettingsWidget::saveSettings()
{
    if (!device)
        return;
    // Other bytes and bits, and the check where the device has none, keep their stored values.
    u_RFDevPrivateSettings settings = device->privateSettings();
    if (!m_caseOpen->isHidden())
        settings.raw[0] = quint8((settings.raw[0] & ~0x01) | (m_caseOpen->isChecked() ? 0x01 : 0));
    device->setPrivateSettings(settings);
}
