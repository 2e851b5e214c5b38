#include "pages/radio/SensorDipSettingsWidget.h"

SensorDipSettingsWidget::SensorDipSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("DipSettings"));
}
