#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the climate sensors (device types 10, 31).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorVTISettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorVTISettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
