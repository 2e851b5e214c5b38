#include "pages/radio/SensorSMKSettingsWidget.h"

#include "pages/radio/PrivateBytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVersionNumber>

namespace {
constexpr int FlagsByte = 0;
constexpr int ModeByte = 2;
constexpr quint8 Sabotage = 0x01;
// Set elsewhere; this panel does not show it.
constexpr quint8 Legacy = 0x02;
constexpr int ModeCount = 3;
constexpr quint16 ReedAndLoop = 2;
} // namespace

SensorSMKSettingsWidget::SensorSMKSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("smkSettings"));
    resize(311, 72);
    setWindowTitle(tr("Form"));
    auto *form = new QFormLayout(this);
    cbSabotage = new QCheckBox(tr("Enable sabotage protection"), this);
    cbSabotage->setObjectName(QStringLiteral("cbSabotage"));
    auto *label = new QLabel(tr("Enable modules:"), this);
    label->setObjectName(QStringLiteral("label"));
    cbSMKMode = new QComboBox(this);
    cbSMKMode->setObjectName(QStringLiteral("cbSMKMode"));
    cbSMKMode->setMinimumWidth(200);
    form->addRow(cbSabotage);
    form->addRow(label, cbSMKMode);
    setTabOrder(cbSabotage, cbSMKMode);
    m_unshown.watch(this, cbSMKMode);
}

bool SensorSMKSettingsWidget::hasLoopMode() const
{
    return device && device->hardwareVersion() >= QVersionNumber(2, 0);
}

void SensorSMKSettingsWidget::updateWidget()
{
    if (!device)
        return;
    const u_RFDevPrivateSettings area = device->privateSettings();
    cbSabotage->setChecked(area.raw[FlagsByte] & Sabotage);
    cbSMKMode->clear();
    const bool loop = hasLoopMode();
    if (loop)
        cbSMKMode->addItems({tr("Dry reed switch"), tr("Loop"), tr("Dry reed switch and loop")});
    else
        cbSMKMode->addItems({tr("Dry reed switch"), tr("Dry reed switch and loop")});
    m_unshown.clear();
    const quint16 mode = PrivateBytes::get<quint16>(area, ModeByte);
    if (mode >= ModeCount) {
        cbSMKMode->setCurrentIndex(-1);
        m_unshown.keep(cbSMKMode, mode);
    } else {
        cbSMKMode->setCurrentIndex(loop ? mode : (mode != 0 ? 1 : 0));
    }
}

void SensorSMKSettingsWidget::saveSettings()
{
    if (!device)
        return;
    // Bytes and flags the panel does not show ("Legacy" among them) keep their stored values.
    u_RFDevPrivateSettings area = device->privateSettings();
    area.raw[FlagsByte] =
        quint8((area.raw[FlagsByte] & ~Sabotage) | (cbSabotage->isChecked() ? Sabotage : 0));
    const int index = cbSMKMode->currentIndex();
    const quint32 mode = hasLoopMode() ? quint32(index) : (index != 0 ? ReedAndLoop : 0);
    PrivateBytes::put<quint16>(area, ModeByte, quint16(m_unshown.value(cbSMKMode, mode)));
    device->setPrivateSettings(area);
}
