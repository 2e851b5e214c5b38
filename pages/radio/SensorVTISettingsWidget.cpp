#include "pages/radio/SensorVTISettingsWidget.h"

SensorVTISettingsWidget::SensorVTISettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("vtiSettings"));
}
