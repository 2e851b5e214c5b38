#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the motion detector of device type 33.
// Shows no controls yet and leaves the device's private settings as they are.
class SensorMirelSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorMirelSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
