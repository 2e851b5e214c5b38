#include "pages/radio/SensorPrivateSettingsWidget.h"

SensorPrivateSettingsWidget::SensorPrivateSettingsWidget(QWidget *parent) : QWidget(parent) {}

void SensorPrivateSettingsWidget::setSensor(Sensor::SPtr sensor)
{
    if (device)
        disconnect(device.get(), &Sensor::statusUpdated, this,
                   &SensorPrivateSettingsWidget::onSensorStatusUpdated);
    if (sensor)
        connect(sensor.get(), &Sensor::statusUpdated, this,
                &SensorPrivateSettingsWidget::onSensorStatusUpdated);
    device = std::move(sensor);
}
