#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

// Panel of the counter adapter (device type 13).
// Shows no controls yet and leaves the device's private settings as they are.
class SensorASRSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorASRSettingsWidget(QWidget *parent = nullptr);

public slots:
    void saveSettings() override {}
    void updateWidget() override {}
};
