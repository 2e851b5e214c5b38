#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the infrared detectors (device types 6, 18, 26).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorIkSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorIkSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
