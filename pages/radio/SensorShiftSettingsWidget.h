#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the tilt detectors (device types 16, 24).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorShiftSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorShiftSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
