#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the heat and smoke detector with switches (device type 5).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorDipSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorDipSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
