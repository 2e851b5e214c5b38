#include "pages/radio/SensorDraskSettingsWidget.h"

SensorDraskSettingsWidget::SensorDraskSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("draskWidget"));
}
