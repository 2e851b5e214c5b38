#include "pages/radio/SensorIkSettingsWidget.h"

#include "pages/radio/PrivateBytes.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>

namespace {
constexpr int EnergySaveByte = 0;
constexpr int SensitivityByte = 1;
constexpr int TestByte = 2;
// Sensitivity 4 sits at the slider's left end, 1 at its right end.
constexpr int SensitivityTop = 4;
} // namespace

SensorIkSettingsWidget::SensorIkSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("ikSettings"));
    resize(400, 300);
    setWindowTitle(tr("Form"));
    auto *form = new QFormLayout(this);
    const auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    chbTestIK = new QCheckBox(this);
    chbTestIK->setObjectName(QStringLiteral("chbTestIK"));
    chbEnergySavingMode = new QCheckBox(this);
    chbEnergySavingMode->setObjectName(QStringLiteral("chbEnergySavingMode"));
    hsSensitivity = new QSlider(Qt::Horizontal, this);
    hsSensitivity->setObjectName(QStringLiteral("hsSensitivity"));
    hsSensitivity->setRange(0, 3);
    hsSensitivity->setPageStep(1);
    form->addRow(label("lblTestIK", tr("IK test mode:")), chbTestIK);
    form->addRow(label("lblEnergySavingMode", tr("Energy saving mode:")), chbEnergySavingMode);
    form->addRow(label("lblSensitivity", tr("Sensitivity:")), hsSensitivity);
    setTabOrder(chbTestIK, chbEnergySavingMode);
    setTabOrder(chbEnergySavingMode, hsSensitivity);
}

void SensorIkSettingsWidget::updateWidget()
{
    if (!device)
        return;
    const u_RFDevPrivateSettings area = device->privateSettings();
    chbEnergySavingMode->setChecked(area.raw[EnergySaveByte] == 1);
    chbTestIK->setChecked(area.raw[TestByte] == 1);
    hsSensitivity->setValue(SensitivityTop - area.raw[SensitivityByte]);
}

void SensorIkSettingsWidget::saveSettings()
{
    if (!device)
        return;
    // Bytes the panel does not show keep their stored values.
    u_RFDevPrivateSettings area = device->privateSettings();
    area.raw[EnergySaveByte] = chbEnergySavingMode->isChecked() ? 1 : 0;
    area.raw[SensitivityByte] = quint8(SensitivityTop - hsSensitivity->value());
    area.raw[TestByte] = chbTestIK->isChecked() ? 1 : 0;
    if (area.raw[EnergySaveByte] && !PrivateBytes::partitionHasTakeDelay(*device) &&
        !device->confirmEnergySaving())
        area.raw[EnergySaveByte] = 0;
    device->setPrivateSettings(area);
}
