#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the heat detector (device type 2).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorIpSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorIpSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
