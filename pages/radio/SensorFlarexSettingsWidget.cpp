#include "pages/radio/SensorFlarexSettingsWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace {
constexpr quint8 Range = 0x01;
constexpr quint8 Speed = 0x02;
} // namespace

SensorFlarexSettingsWidget::SensorFlarexSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("flarexSettings"));
    resize(420, 273);
    setWindowTitle(tr("Form"));
    auto *form = new QFormLayout(this);
    auto *lblRange = new QLabel(tr("Range"), this);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    auto *lblSpeed = new QLabel(tr("Speed"), this);
    lblSpeed->setObjectName(QStringLiteral("lblSpeed"));
    cbRange = new QComboBox(this);
    cbRange->setObjectName(QStringLiteral("cbRange"));
    cbRange->addItems({tr("Long (< 25m)"), tr("Short (< 12m)")});
    cbSpeed = new QComboBox(this);
    cbSpeed->setObjectName(QStringLiteral("cbSpeed"));
    cbSpeed->addItems({tr("Slow (> 10 s)"), tr("Fast (> 5 s)")});
    form->addRow(lblRange, cbRange);
    form->addRow(lblSpeed, cbSpeed);
}

void SensorFlarexSettingsWidget::updateWidget()
{
    if (!device)
        return;
    const quint8 flags = device->privateSettings().raw[0];
    cbRange->setCurrentIndex(flags & Range ? 1 : 0);
    cbSpeed->setCurrentIndex(flags & Speed ? 1 : 0);
}

void SensorFlarexSettingsWidget::saveSettings()
{
    if (!device)
        return;
    // The filter, mode and attention bits and the other bytes are edited in the property
    // view: they keep their stored values.
    u_RFDevPrivateSettings area = device->privateSettings();
    area.raw[0] =
        quint8((area.raw[0] & ~(Range | Speed)) | (cbRange->currentIndex() == 1 ? Range : 0) |
               (cbSpeed->currentIndex() == 1 ? Speed : 0));
    device->setPrivateSettings(area);
}
