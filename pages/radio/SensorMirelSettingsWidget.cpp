#include "pages/radio/SensorMirelSettingsWidget.h"

SensorMirelSettingsWidget::SensorMirelSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("mirelSettings"));
}
