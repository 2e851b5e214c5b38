#include "pages/radio/SensorIkSettingsWidget.h"

SensorIkSettingsWidget::SensorIkSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("ikSettings"));
}
