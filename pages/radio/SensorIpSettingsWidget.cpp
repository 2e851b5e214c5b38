#include "pages/radio/SensorIpSettingsWidget.h"

SensorIpSettingsWidget::SensorIpSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("ipSettings"));
}
