#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the dual-zone infrared detectors (device types 27, 28).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorDraskSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorDraskSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
