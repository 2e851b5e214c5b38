#include "pages/radio/SensorFlarexSettingsWidget.h"

SensorFlarexSettingsWidget::SensorFlarexSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("flarexSettings"));
}
