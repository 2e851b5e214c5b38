#include "pages/radio/SensorASRSettingsWidget.h"

SensorASRSettingsWidget::SensorASRSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("asrSettings"));
}
