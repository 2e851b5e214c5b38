#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the flame detectors (device types 21, 22).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorFlarexSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorFlarexSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
