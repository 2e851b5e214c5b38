#include "pages/radio/SensorShiftSettingsWidget.h"

SensorShiftSettingsWidget::SensorShiftSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("shiftSettings"));
}
