#include "pages/radio/SensorSMKSettingsWidget.h"

SensorSMKSettingsWidget::SensorSMKSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("smkSettings"));
}
